// A test engine library with its answer chosen when it is built: every command
// writes ENGINE_REPLY_SIZE letters into the reply buffer, ended by a
// zero only when there is room for one, and answers ENGINE_RESULT.
#include "engine/enginecontract.h"

#include <cstring>

KVB_ENGINE_EXPORT int KVB_CDECL KVB_ENGINE_ENTRY(const char *, const char *, char *reply)
{
    static_assert(ENGINE_REPLY_SIZE <= EngineContract::ReplySize, "more than the buffer holds");
    std::memset(reply, 'r', ENGINE_REPLY_SIZE);
    if (ENGINE_REPLY_SIZE < EngineContract::ReplySize)
        reply[ENGINE_REPLY_SIZE] = '\0';
    return ENGINE_RESULT;
}
