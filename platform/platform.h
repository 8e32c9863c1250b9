#ifndef KVB_PLATFORM_H
#define KVB_PLATFORM_H

// The small layer over the operating system. Everything that differs between
// Windows and other systems lives behind these declarations, so the rest of
// the program carries no conditional code. Plain C++17, no Qt.

#include <cstdint>
#include <string>
#include <vector>

#if defined(_WIN32)
#define KVB_CDECL __cdecl
#define KVB_ENGINE_EXPORT extern "C" __declspec(dllexport)
#else
#define KVB_CDECL
#define KVB_ENGINE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace Platform {

// A host channel handle as the launching host passes it: 32 bits, with the
// all-bits-set value meaning "invalid".
using Handle = std::uint32_t;
constexpr Handle InvalidHandle = 0xFFFFFFFFu;

Handle standardInputHandle();
Handle standardOutputHandle();

// Ends the process at once with the given code: no destructors, no clean-up.
[[noreturn]] void exitImmediately(int code);

// The engine library's one entry point: command name, parameter text, and a
// 256-byte reply buffer. The caller removes the arguments (cdecl).
using EngineEntry = int(KVB_CDECL *)(const char *command, const char *parameters, char *reply);

// The engine library's file name, and the path it is loaded from: the folder
// part of the program path (up to and including its last separator) followed
// by that name. Outside Windows the links in the program path are resolved
// first, so that a link to the program finds the engine beside the program's
// real file.
const char *engineLibraryName();
std::string engineLibraryPath(const std::string &programPath);

// Loads a library and keeps it loaded until the process ends. Returns an
// opaque module handle, or null when the library cannot be loaded. A bare
// file name is found through Windows' library search, which starts in the
// program's folder, and on other systems in the program's folder alone.
void *loadLibrary(const std::string &path);
EngineEntry resolveEngineEntry(void *module, const char *name);

// The two common files values, in order of precedence; an absent value reads
// as empty text. Text is UTF-8.
enum class CommonFilesValue
{
    X86,
    Default
};
std::string commonFilesValue(CommonFilesValue which);

// Appended to the common files folder to name the data folder.
const char *dataFolderSuffix();

// The data folders to use when neither common files value is set, each with
// the data folder suffix appended. On Windows that is the suffix alone, as an
// empty registry value gives it, for every file. Elsewhere the record lives in
// the user's own folder under XDG_DATA_HOME (by default ~/.local/share), and
// each catalogue is looked for there, then under each entry of XDG_DATA_DIRS
// (by default /usr/local/share and /usr/share), and last in the share folder
// beside the program's folder. Relative folders in these variables are
// ignored; without an absolute XDG_DATA_HOME or HOME there is no folder for
// the record.
struct FallbackDataFolders
{
    // The folder of the record; empty when there is none.
    std::string record;
    // Whether the record's folder is the user's own, which a save makes when
    // it is missing.
    bool recordFolderIsUsers = false;
    // The folders searched for each catalogue, in this order.
    std::vector<std::string> catalogues;
};
FallbackDataFolders fallbackDataFolders();

// Keeps up to 128 MiB of the memory that the program frees for its later
// allocations instead of handing it back to the system, where the C library
// lets a program choose.
void keepFreedMemory();

} // namespace Platform

#endif
