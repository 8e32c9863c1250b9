#ifndef KVB_ENGINECONTRACT_H
#define KVB_ENGINECONTRACT_H

// The maker's engine library as the program calls it, and as every library
// that stands in for it (the stand-in engine, the test engines) is built:
// one exported C function, called with the caller-cleans-up convention
// (cdecl), that takes a command name and a parameter text and writes a
// zero-terminated reply into a buffer of ReplySize bytes. Plain C++, so that
// a library can be built against it without the toolkit.

#if defined(_WIN32)
#define KVB_CDECL __cdecl
#define KVB_ENGINE_EXPORT extern "C" __declspec(dllexport)
#else
#define KVB_CDECL
#define KVB_ENGINE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// The entry point, defined by an engine library as
//
//     KVB_ENGINE_EXPORT int KVB_CDECL KVB_ENGINE_ENTRY(const char *command,
//         const char *parameters, char *reply)
//
// A test library that must lack it defines KVB_ENGINE_ENTRY as another name.
#ifndef KVB_ENGINE_ENTRY
#define KVB_ENGINE_ENTRY QuillCommandA
#endif

#define KVB_ENGINE_STRING(name) KVB_ENGINE_STRING_OF(name)
#define KVB_ENGINE_STRING_OF(name) #name

namespace EngineContract {

// The name under which the program looks the entry point up.
constexpr char EntryName[] = KVB_ENGINE_STRING(KVB_ENGINE_ENTRY);

// The reply buffer: at most ReplySize - 1 bytes of text and the zero.
constexpr int ReplySize = 256;

using Entry = int(KVB_CDECL *)(const char *command, const char *parameters, char *reply);

} // namespace EngineContract

#endif
