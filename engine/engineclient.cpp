#include "engineclient.h"

#include "keyvaluetext.h"
#include "requestkeys.h"

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
    m_hasTriedLoading = true;
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
    std::optional<ParameterMap> parameters = addressParameters(addressText);
    if (!parameters) {
        m_parameters.clear();
        return TextTooShort;
    }
    m_parameters = *std::move(parameters);
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
    std::optional<ParameterMap> parameters = registrationParameters(registrationText);
    if (!parameters) {
        m_parameters.clear();
        return false;
    }
    m_parameters = *std::move(parameters);
    return sendRegistrationData(m_parameters, m_reply) == 0;
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

QByteArray EngineClient::addressParameterText(const QByteArray &addressText)
{
    const std::optional<ParameterMap> parameters = addressParameters(addressText);
    return parameters ? parameterText(*parameters) : QByteArray();
}

QByteArray EngineClient::registrationParameterText(const QByteArray &registrationText)
{
    const std::optional<ParameterMap> parameters = registrationParameters(registrationText);
    return parameters ? parameterText(*parameters) : QByteArray();
}

std::optional<EngineClient::ParameterMap> EngineClient::addressParameters(const QByteArray &text)
{
    return parameters(text, 8, "1", RequestKeys::Address);
}

std::optional<EngineClient::ParameterMap> EngineClient::registrationParameters(
    const QByteArray &text)
{
    // Nineteen items are enough for a registration, although the purchase
    // page always writes more.
    return parameters(text, 19, "2", RequestKeys::Registration);
}

template <std::size_t KeyCount>
std::optional<EngineClient::ParameterMap> EngineClient::parameters(const QByteArray &text,
    int minimumItems, const char *registerValue, const std::array<const char *, KeyCount> &keys)
{
    const KeyValueText items(text);
    if (items.itemCount() < minimumItems)
        return std::nullopt;
    ParameterMap parameters;
    parameters.insert(QByteArrayLiteral("Register"), registerValue);
    // The keys are literals, which the map can share instead of copying.
    for (const char *key : keys)
        parameters.insert(QByteArray::fromRawData(key, qsizetype(qstrlen(key))), items.value(key));
    return parameters;
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
