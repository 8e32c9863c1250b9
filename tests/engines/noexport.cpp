// An engine library that lacks the QuillCommandA export.
#include "platform/platform.h"

KVB_ENGINE_EXPORT int KVB_CDECL QuillCommandB(const char *, const char *, char *)
{
    return 0;
}
