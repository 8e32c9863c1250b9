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

std::string fallbackCommonFilesDir()
{
    const std::string binFolder = programFolder();
    return binFolder.empty() ? std::string() : binFolder + "../share";
}

const char *dataFolderSuffix()
{
    return "/Tarn/CustomData/";
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
