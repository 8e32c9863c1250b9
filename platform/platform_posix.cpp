#include "platform.h"

#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace Platform {

namespace {

Handle descriptorHandle(int fd)
{
    return fcntl(fd, F_GETFD) == -1 ? InvalidHandle : static_cast<Handle>(fd);
}

std::string environmentValue(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string folderOf(const std::string &path)
{
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The folder of the program's own file, not of argv[0]: a program found
// through PATH has a bare name there.
std::string programFolder()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return length <= 0 ? std::string() : folderOf(std::string(buffer, std::size_t(length)));
}

// The path with every symbolic link in it resolved, or the path as it stands
// when it names no file.
std::string realPath(const std::string &path)
{
    char buffer[PATH_MAX];
    return realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

// An absolute folder named in the environment, without trailing slashes;
// empty when the name is empty or relative, which the XDG base directories
// say to ignore.
std::string absoluteFolder(const std::string &name)
{
    if (name.empty() || name[0] != '/')
        return std::string();
    const std::string::size_type last = name.find_last_not_of('/');
    return last == std::string::npos ? std::string("/") : name.substr(0, last + 1);
}

std::string subfolder(const std::string &folder, const char *name)
{
    return folder == "/" ? folder + name : folder + '/' + name;
}

std::string userDataHome()
{
    const std::string dataHome = absoluteFolder(environmentValue("XDG_DATA_HOME"));
    if (!dataHome.empty())
        return dataHome;
    const std::string home = absoluteFolder(environmentValue("HOME"));
    return home.empty() ? std::string() : subfolder(home, ".local/share");
}

std::vector<std::string> systemDataDirs()
{
    std::string list = environmentValue("XDG_DATA_DIRS");
    if (list.empty())
        list = "/usr/local/share:/usr/share";
    std::vector<std::string> folders;
    std::string::size_type start = 0;
    while (start <= list.size()) {
        std::string::size_type end = list.find(':', start);
        if (end == std::string::npos)
            end = list.size();
        const std::string folder = absoluteFolder(list.substr(start, end - start));
        if (!folder.empty())
            folders.push_back(folder);
        start = end + 1;
    }
    return folders;
}

// Taken before main runs: once the program opens files, a descriptor that
// was closed at start-up may have been reused for one of them.
const Handle startupInput = descriptorHandle(STDIN_FILENO);
const Handle startupOutput = descriptorHandle(STDOUT_FILENO);

} // namespace

Handle standardInputHandle()
{
    return startupInput;
}

Handle standardOutputHandle()
{
    return startupOutput;
}

void exitImmediately(int code)
{
    std::_Exit(code);
}

const char *engineLibraryName()
{
    return "libQuill.so";
}

std::string engineLibraryPath(const std::string &programPath)
{
    // A link to the program, put in a folder on PATH, leads to the folder
    // where the program and its engine really are.
    if (programPath.find('/') == std::string::npos)
        return engineLibraryName();
    return folderOf(realPath(programPath)) + engineLibraryName();
}

void *loadLibrary(const std::string &path)
{
    // A bare name is looked for beside the program, where Windows looks
    // first, and nowhere else: dlopen's own search would take the working
    // folder from an empty entry of LD_LIBRARY_PATH, and forgets the
    // program's run path when a sanitizer runtime intercepts the call.
    if (path.find('/') == std::string::npos) {
        const std::string folder = programFolder();
        return folder.empty() ? nullptr : dlopen((folder + path).c_str(), RTLD_NOW);
    }
    return dlopen(path.c_str(), RTLD_NOW);
}

EngineEntry resolveEngineEntry(void *module, const char *name)
{
    return module ? reinterpret_cast<EngineEntry>(dlsym(module, name)) : nullptr;
}

std::string commonFilesValue(CommonFilesValue which)
{
    return environmentValue(
        which == CommonFilesValue::X86 ? "KVB_COMMON_FILES_DIR_X86" : "KVB_COMMON_FILES_DIR");
}

const char *dataFolderSuffix()
{
    return "/Tarn/CustomData/";
}

FallbackDataFolders fallbackDataFolders()
{
    // The record is personal and written by the user; the catalogues come
    // with an installation, which a user may override with a copy of their
    // own. The share folder beside the program lets the build tree and a
    // relocated installation run as they are.
    FallbackDataFolders folders;
    const std::string dataHome = userDataHome();
    if (!dataHome.empty()) {
        folders.record = dataHome + dataFolderSuffix();
        folders.recordFolderIsUsers = true;
        folders.catalogues.push_back(folders.record);
    }
    for (const std::string &folder : systemDataDirs())
        folders.catalogues.push_back(folder + dataFolderSuffix());
    const std::string binFolder = programFolder();
    if (!binFolder.empty())
        folders.catalogues.push_back(binFolder + "../share" + dataFolderSuffix());
    return folders;
}

void keepFreedMemory()
{
#if defined(__GLIBC__)
    // The C library otherwise returns the free top of its heap to the system
    // as soon as it passes a small threshold, and the next allocations take
    // it back page by page.
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
}

} // namespace Platform
