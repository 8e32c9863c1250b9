// A test engine library: it answers every command with "<command>|<parameters>" and returns
// the length of the parameter text. Built a second time with its entry point under another
// name, as a library that lacks the export.
#include "platform/platform.h"

#include <cstdio>
#include <cstring>

#ifndef TEST_ENGINE_ENTRY
#define TEST_ENGINE_ENTRY QuillCommandA
#endif

KVB_ENGINE_EXPORT int KVB_CDECL TEST_ENGINE_ENTRY(
    const char *command, const char *parameters, char *reply)
{
    std::snprintf(reply, 256, "%s|%s", command, parameters);
    return int(std::strlen(parameters));
}
