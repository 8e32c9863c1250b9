// An engine library that tells a whole-program test it was loaded: loading
// it appends ENGINE_LABEL and a line end to the file named by
// KVB_TEST_ENGINE_MARKER.
#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace {

struct Announcement
{
    Announcement()
    {
        const char *marker = std::getenv("KVB_TEST_ENGINE_MARKER");
        if (FILE *file = marker ? std::fopen(marker, "a") : nullptr) {
            std::fputs(ENGINE_LABEL "\n", file);
            std::fclose(file);
        }
    }
} announcement;

} // namespace

KVB_ENGINE_EXPORT int KVB_CDECL QuillCommandA(const char *, const char *, char *reply)
{
    reply[0] = '\0';
    return 0;
}
