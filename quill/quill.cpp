// The stand-in engine library: the same export and calling convention as the
// maker's engine, answering as a local service.

#include "platform/platform.h"

#include <cstring>
#include <string>

namespace {

std::string callerType;

// Everything after "key=" up to the next comma, or empty.
std::string parameterValue(const char *parameters, const char *key)
{
    const std::string text = parameters ? parameters : "";
    const std::string prefix = std::string(key) + '=';
    std::string::size_type start = 0;
    while (start <= text.size()) {
        std::string::size_type end = text.find(',', start);
        if (end == std::string::npos)
            end = text.size();
        if (text.compare(start, prefix.size(), prefix) == 0 && end - start >= prefix.size())
            return text.substr(start + prefix.size(), end - start - prefix.size());
        start = end + 1;
    }
    return std::string();
}

void writeReply(char *reply, const std::string &text)
{
    if (!reply)
        return;
    const std::size_t length = text.size() < 255 ? text.size() : 255;
    std::memcpy(reply, text.data(), length);
    reply[length] = '\0';
}

} // namespace

KVB_ENGINE_EXPORT int KVB_CDECL QuillCommandA(const char *command, const char *parameters,
                                              char *reply)
{
    if (!command)
        return -1;
    if (std::strcmp(command, "SetCallerType") == 0) {
        callerType = parameterValue(parameters, "callerType");
        writeReply(reply, "OK");
        return 0;
    }
    writeReply(reply, "UNKNOWN_COMMAND");
    return -1;
}
