// An engine library with its fault chosen when it is built: every command
// waits ENGINE_DELAY_MS milliseconds, writes ENGINE_REPLY_SIZE letters into
// the 256-byte reply buffer, ended by a zero only when there is room for
// one, and answers ENGINE_RESULT.
#include "platform/platform.h"

#include <chrono>
#include <cstring>
#include <thread>

#ifndef ENGINE_DELAY_MS
#define ENGINE_DELAY_MS 0
#endif

KVB_ENGINE_EXPORT int KVB_CDECL QuillCommandA(const char *, const char *, char *reply)
{
    static_assert(ENGINE_REPLY_SIZE <= 256, "the reply buffer holds 256 bytes");
    std::this_thread::sleep_for(std::chrono::milliseconds(ENGINE_DELAY_MS));
    std::memset(reply, 'r', ENGINE_REPLY_SIZE);
    if (ENGINE_REPLY_SIZE < 256)
        reply[ENGINE_REPLY_SIZE] = '\0';
    return ENGINE_RESULT;
}
