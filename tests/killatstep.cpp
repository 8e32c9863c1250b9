// Preloaded into a saving process: the process dies at the step of its save
// named by KVB_KILL_AT ("write", "fdatasync", "linkat" or "rename"), before
// the call does anything. With KVB_NO_UNNAMED_FILES set, the file system
// seems to have no unnamed temporary files, so that the save starts with a
// named one.
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

void dieAt(const char *step)
{
    const char *killAt = std::getenv("KVB_KILL_AT");
    if (killAt && std::strcmp(killAt, step) == 0)
        std::raise(SIGKILL);
}

template <typename Function> Function next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) int open64(const char *path, int flags, ...)
{
    int mode = 0;
    if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list arguments;
        va_start(arguments, flags);
        mode = va_arg(arguments, int);
        va_end(arguments);
    }
    if ((flags & O_TMPFILE) == O_TMPFILE && std::getenv("KVB_NO_UNNAMED_FILES")) {
        errno = EOPNOTSUPP;
        return -1;
    }
    static const auto realOpen = next<int (*)(const char *, int, ...)>("open64");
    return realOpen(path, flags, mode);
}

// Only the file being saved is written to; the standard channels are not.
__attribute__((visibility("default"))) ssize_t write(int fd, const void *data, size_t size)
{
    if (fd > STDERR_FILENO)
        dieAt("write");
    static const auto realWrite = next<ssize_t (*)(int, const void *, size_t)>("write");
    return realWrite(fd, data, size);
}

__attribute__((visibility("default"))) int fdatasync(int fd)
{
    dieAt("fdatasync");
    static const auto realFdatasync = next<int (*)(int)>("fdatasync");
    return realFdatasync(fd);
}

__attribute__((visibility("default"))) int linkat(
    int fromFolder, const char *from, int toFolder, const char *to, int flags)
{
    dieAt("linkat");
    static const auto realLinkat
        = next<int (*)(int, const char *, int, const char *, int)>("linkat");
    return realLinkat(fromFolder, from, toFolder, to, flags);
}

__attribute__((visibility("default"))) int rename(const char *from, const char *to)
{
    dieAt("rename");
    static const auto realRename = next<int (*)(const char *, const char *)>("rename");
    return realRename(from, to);
}
}
