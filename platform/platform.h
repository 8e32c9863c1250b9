#ifndef KVB_PLATFORM_H
#define KVB_PLATFORM_H

// The small layer over the operating system. Everything that differs between
// Windows and other systems lives behind these declarations, so the rest of
// the program carries no conditional code. Plain C++17, no Qt.

#include <cstdint>
#include <string>
#include <vector>

namespace Platform {

// A host channel handle as the launching host passes it: 32 bits, with the
// all-bits-set value meaning "invalid".
using Handle = std::uint32_t;
constexpr Handle InvalidHandle = 0xFFFFFFFFu;

Handle standardInputHandle();
Handle standardOutputHandle();

// Ends the process at once with the given code: no destructors, no clean-up.
[[noreturn]] void exitImmediately(int code);

// Ends the process with the given code once the program has cleaned up
// after itself, as a return from main() would. On Windows the libraries'
// own clean-up at exit is skipped, as exitImmediately() skips it: there the
// C++ runtime's can wait for ever on a lock of the threads library.
[[noreturn]] void exitProcess(int code);

// The folder of the program's own file, with a trailing separator; empty
// when the system cannot tell. Outside Windows it is that of the real file
// (/proc/self/exe), links resolved, whatever argument entry 0 says.
std::string programFolder();

// The engine library's file name, and the path it is loaded from. On
// Windows that is the folder part of the program path (up to and including
// its last backslash) followed by the name, so that a bare program name
// leaves the library to Windows' search, which starts in the program's
// folder. Elsewhere the program path is not used: the library lies in the
// program's own folder, since argument entry 0 is whatever the starter chose
// (a handle number, or a path relative to someone else's folder); empty
// when that folder is unknown.
const char *engineLibraryName();
std::string engineLibraryPath(const std::string &programPath);

// Loads a library and keeps it loaded until the process ends. Returns an
// opaque module handle, or null when the library cannot be loaded. Outside
// Windows only a path with a folder is loaded: a bare name is never looked
// up in the system's search path, which may hold the working folder.
void *loadLibrary(const std::string &path);
// The address of the library's function called name, or null; null also
// without a module.
void *resolveFunction(void *module, const char *name);

// The places of the program's resource file, called fileName, in the order
// to try them. On Windows "..\..\" relative to the working folder, then
// the program's folder; elsewhere the program's own folder alone, since the
// working folder may belong to anyone.
std::vector<std::string> resourceFilePaths(const char *fileName);

// What the file system says of a file: which file it is, how large, and when
// it last changed. Two equal stamps of one path mean the same content, as
// far as the file system can tell; an absent file has the empty stamp.
struct FileStamp
{
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    std::uint64_t size = 0;
    // Nanoseconds since 1970 (UTC), to the file system's own precision.
    std::int64_t modified = 0;
    // The last change of the file's status, where the system keeps one.
    std::int64_t changed = 0;

    bool operator==(const FileStamp &other) const
    {
        return device == other.device && file == other.file && size == other.size
            && modified == other.modified && changed == other.changed;
    }
};

// The stamp of the file at path, links followed; empty when there is none.
FileStamp fileStamp(const std::string &path);

// Opens a regular file for reading and returns its C library descriptor, or
// -1 when the file is missing, unreadable or not a regular file. The file is
// opened before its type is checked, and without waiting, so that a named
// pipe put in its place, even in between, never blocks the program. With
// stamp, the stamp of the file opened.
int openRegularFile(const std::string &path, FileStamp *stamp = nullptr);

// Whether a folder is this user's to keep their files in, as ssh judges the
// folders of its keys: the folder itself is no link, and it and every folder
// above it belong to this user or to root and are writable by others only
// where the sticky bit keeps others from this user's files; a link on the
// way to it belongs to this user or to root, in a folder that is Own. Missing when
// there is no such folder. Windows leaves this to the folders' access rights:
// an existing folder that is no link is Own there.
enum class Ownership
{
    Missing,
    Own,
    Foreign
};
Ownership folderOwnership(const std::string &folder);

// Opens the regular file at path for reading, as openRegularFile() does,
// when its folder is Own and the file, and a link at its name, belong to this
// user or to root, and nobody else may write to the file: another user's
// file is not to be believed. Returns the
// descriptor, or -1 with *ownership telling why (Missing also for a file that
// is not a regular file).
int openOwnFile(const std::string &path, Ownership *ownership);

// How the system's own text files end their lines: "\r\n" on Windows, "\n"
// elsewhere.
const char *textLineEnd();

// Replaces the file called name in folder by one holding data, as a whole or
// not at all, readable and writable by its owner only. The new file is made
// in the folder under a name nobody else can have taken, written in full,
// synced, and renamed onto name, which replaces whatever stood there (a
// symbolic link included) instead of writing into it. Nothing is written
// into a folder that is not Own. Returns false when any step fails; the old
// file is then as it was. Paths are UTF-8.
bool replaceFile(const std::string &folder, const std::string &name, const std::string &data);

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

// The folders of data that the system's packages share, each ending in a
// separator: elsewhere than on Windows each entry of XDG_DATA_DIRS (by
// default /usr/local/share and /usr/share), then the share folder beside the
// program's folder; on Windows the share folder in the program's folder.
std::vector<std::string> sharedDataFolders();

} // namespace Platform

#endif
