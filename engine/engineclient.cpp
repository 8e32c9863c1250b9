#include "engineclient.h"

#include "platform/platform.h"

#include <cstring>
#include <string>

namespace {

// Shared by every command and never cleared: an engine that writes nothing
// leaves the previous reply in place.
char replyBuffer[EngineContract::ReplySize];

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
    loadEngineLibrary(Platform::engineLibraryPath(programPath ? programPath : ""));
}

void EngineClient::loadEngineLibrary(const std::string &libraryPath)
{
    m_hasLoaded = true;
    if (!libraryPath.empty())
        engineModule = Platform::loadLibrary(libraryPath);
    m_entry = reinterpret_cast<EngineContract::Entry>(
        Platform::resolveFunction(engineModule, EngineContract::EntryName));
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
    return lookUpValue(splitItems(text), key);
}

EngineClient::Items EngineClient::splitItems(QByteArrayView text)
{
    Items items;
    for (qsizetype start = 0;;) {
        const qsizetype comma = text.indexOf(',', start);
        items.append(text.sliced(start, (comma < 0 ? text.size() : comma) - start));
        if (comma < 0)
            return items;
        start = comma + 1;
    }
}

QByteArray EngineClient::lookUpValue(const Items &items, QByteArrayView key)
{
    // An item's key part ends at its first "=", so a key that holds one
    // matches nothing.
    if (!key.contains('=')) {
        for (const QByteArrayView item : items) {
            if (item.size() <= key.size() || item.at(key.size()) != '=' || !item.startsWith(key))
                continue;
            const QByteArrayView value = item.sliced(key.size() + 1);
            const qsizetype nextEquals = value.indexOf('=');
            return (nextEquals < 0 ? value : value.first(nextEquals)).toByteArray();
        }
    }
    return QByteArrayLiteral("UNSUPPORTED");
}

QByteArray EngineClient::parameterText(const ParameterMap &parameters)
{
    // Written in one piece, as a request goes out with every press of Next.
    qsizetype size = parameters.isEmpty() ? 0 : parameters.size() * 2 - 1;
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        size += it.key().size() + it.value().size();
    QByteArray text(size, Qt::Uninitialized);
    char *out = text.data();
    const auto put = [&out](const QByteArray &part) {
        std::memcpy(out, part.constData(), part.size());
        out += part.size();
    };
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it) {
        if (it != parameters.cbegin())
            *out++ = ',';
        put(it.key());
        *out++ = '=';
        put(it.value());
    }
    return text;
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
    // The caller type outlives the client, so the map can share it.
    m_parameters.insert(QByteArrayLiteral("callerType"),
        QByteArray::fromRawData(m_callerType, qsizetype(qstrlen(m_callerType))));
    sendCallerType(m_parameters);
}

// Fills the parameter map from a key=value text, or leaves it empty when the
// text has fewer than minimumItems items.
bool EngineClient::fillParameters(const QByteArray &text, int minimumItems,
    const char *registerValue, std::initializer_list<const char *> keys)
{
    m_parameters.clear();
    // The engine sees the text as C text, which ends at its first zero byte.
    const Items items = splitItems(
        QByteArrayView(text.constData(), qsizetype(qstrnlen(text.constData(), text.size()))));
    if (items.size() < minimumItems)
        return false;
    m_parameters.insert(QByteArrayLiteral("Register"), registerValue);
    // The keys are literals, which the map can share instead of copying.
    for (const char *key : keys)
        m_parameters.insert(
            QByteArray::fromRawData(key, qsizetype(qstrlen(key))), lookUpValue(items, key));
    return true;
}

int EngineClient::callCommand(
    const char *command, const ParameterMap &parameters, QByteArray *reply)
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
        *reply = QByteArray(replyBuffer, int(qstrnlen(replyBuffer, EngineContract::ReplySize - 1)));
    }
    return result;
}
