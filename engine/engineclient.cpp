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
