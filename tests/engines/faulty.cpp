// A test engine library with its answer chosen when it is built: every command
// writes ENGINE_REPLY_SIZE letters into the 256-byte reply buffer, ended by a
// zero only when there is room for one, and answers ENGINE_RESULT.
#include "platform/platform.h"

#include <cstring>

KVB_ENGINE_EXPORT int KVB_CDECL QuillCommandA(const char *, const char *, char *reply)
{
    static_assert(ENGINE_REPLY_SIZE <= 256, "the reply buffer holds 256 bytes");
    std::memset(reply, 'r', ENGINE_REPLY_SIZE);
    if (ENGINE_REPLY_SIZE < 256)
        reply[ENGINE_REPLY_SIZE] = '\0';
    return ENGINE_RESULT;
}
