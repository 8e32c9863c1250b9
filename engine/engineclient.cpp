#include "engineclient.h"

#include <QByteArrayList>

#include <string>

namespace {

// Shared by every command and never cleared: an engine that writes nothing
// leaves the previous reply in place.
constexpr int ReplyBufferSize = 256;
char replyBuffer[ReplyBufferSize];

// The loaded engine library; it stays loaded until the process ends.
void *engineModule = nullptr;

} // namespace

EngineClient &EngineClient::instance()
{
    static EngineClient client;
    return client;
}

void EngineClient::loadEngine(const char *programPath)
{
    m_programPath = programPath;
    const std::string libraryPath = Platform::engineLibraryPath(programPath ? programPath : "");
    if (!libraryPath.empty())
        engineModule = Platform::loadLibrary(libraryPath);
    m_entry = Platform::resolveEngineEntry(engineModule, "QuillCommandA");
}

void EngineClient::setCallerType(const char *callerType)
{
    m_callerType = callerType;
}

int EngineClient::verifyAddress(const QByteArray &addressText)
{
    announceCaller();
    if (!fillParameters(
            addressText, 8, "1", {"ADDRESS1", "ADDRESS2", "CITY", "STATE", "POSTCODE", "COUNTRY"}))
        return TextTooShort;
    const int result = sendAddress(m_parameters, m_reply);
    if (result == 1)
        m_addressReply = m_reply;
    return result;
}

QByteArray EngineClient::addressReply() const
{
    return m_addressReply.value_or(QByteArrayLiteral("ADDRESS_GOOD"));
}

bool EngineClient::submitRegistration(const QByteArray &registrationText)
{
    announceCaller();
    // Nineteen items are enough for a registration, although the purchase
    // page always writes more.
    if (!fillParameters(registrationText, 19, "2",
            {"SystemID", "Serial", "FirstName", "LastName", "Company", "Department", "Email",
                "Phone", "Title", "PurchaseDate", "BusinessType", "PurchaseLocation", "UserType",
                "WorkType", "OtherSystems", "Reseller", "WorkTypeOther", "ThirdParty", "ContactMe",
                "ADDRESS1", "ADDRESS2", "CITY", "STATE", "POSTCODE", "COUNTRY"}))
        return false;
    return sendRegistrationData(m_parameters, m_reply) == 0;
}

QByteArray EngineClient::lookUpValue(const QByteArray &text, const QByteArray &key)
{
    const QByteArrayList items = text.split(',');
    for (const QByteArray &item : items) {
        const qsizetype equals = item.indexOf('=');
        if (equals < 0 || item.first(equals) != key)
            continue;
        const qsizetype nextEquals = item.indexOf('=', equals + 1);
        return item.mid(equals + 1, nextEquals < 0 ? -1 : nextEquals - equals - 1);
    }
    return QByteArrayLiteral("UNSUPPORTED");
}

QByteArray EngineClient::parameterText(const ParameterMap &parameters)
{
    QByteArrayList pairs;
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        pairs += it.key() + '=' + it.value();
    return pairs.join(',');
}

int EngineClient::sendCallerType(const ParameterMap &parameters)
{
    return callCommand("SetCallerType", parameters, nullptr);
}

int EngineClient::sendAddress(const ParameterMap &parameters, QByteArray &reply)
{
    return callCommand("SENDADDRESS", parameters, &reply);
}

int EngineClient::sendRegistrationData(const ParameterMap &parameters, QByteArray &reply)
{
    return callCommand("SENDREGDATA", parameters, &reply);
}

void EngineClient::announceCaller()
{
    m_parameters.clear();
    m_parameters.insert("callerType", m_callerType);
    sendCallerType(m_parameters);
}

// Fills the parameter map from a key=value text, or leaves it empty when the
// text has fewer than minimumItems items.
bool EngineClient::fillParameters(const QByteArray &text, int minimumItems,
    const char *registerValue, std::initializer_list<const char *> keys)
{
    m_parameters.clear();
    // The engine sees the text as C text, which ends at its first zero byte.
    const QByteArray ownText(text.constData(), qstrnlen(text.constData(), text.size()));
    if (ownText.count(',') + 1 < minimumItems)
        return false;
    m_parameters.insert("Register", registerValue);
    for (const char *key : keys)
        m_parameters.insert(key, lookUpValue(ownText, key));
    return true;
}

int EngineClient::callCommand(const char *command, const ParameterMap &parameters,
                              QByteArray *reply)
{
    if (!m_entry) {
        if (reply)
            reply->clear();
        return NoEngine;
    }
    const QByteArray text = parameterText(parameters);
    const int result = m_entry(command, text.constData(), replyBuffer);
    if (reply) {
        // The engine must end its reply within the buffer; read no further
        // than the buffer should it not.
        *reply = QByteArray(replyBuffer, int(qstrnlen(replyBuffer, ReplyBufferSize - 1)));
    }
    return result;
}
