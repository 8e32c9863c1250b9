#include "platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

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
    std::string dataHome = absoluteFolder(environmentValue("XDG_DATA_HOME"));
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

// Closes a descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    { }
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const std::string &data)
{
    for (std::size_t written = 0; written < data.size();) {
        const ssize_t count = write(fd, data.data() + written, data.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += std::size_t(count);
    }
    return true;
}

// A name beside the record for its next version: the record's name, a dot and six letters.
std::string temporaryName(const std::string &name)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random {std::random_device {}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string temporary = name + '.';
    for (int i = 0; i < 6; ++i)
        temporary += letters[pick(random)];
    return temporary;
}

#if defined(O_TMPFILE)
// Gives the unnamed file a fresh name in the folder. Returns that name, or an empty one when
// it cannot: linkat() creates the name exclusively, so nothing that stood there is reused.
std::string nameUnnamedFile(int fd, int folder, const std::string &name)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temporary = temporaryName(name);
        if (linkat(AT_FDCWD, self.c_str(), folder, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return temporary;
        if (errno != EEXIST)
            break;
    }
    return std::string();
}
#endif

// Creates a new file under a fresh name in the folder: never one that exists, and never
// through a link.
int createNamedFile(int folder, const std::string &name, std::string *temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary = temporaryName(name);
        const int fd = openat(folder, temporary->c_str(),
            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes the new version into a file that only this process can reach by name: unnamed where
// the file system allows it, so that a save killed halfway leaves nothing behind. Returns the
// name the file was given in the folder, or an empty name on failure.
std::string writeNewVersion(int folder, const std::string &name, const std::string &data)
{
    // The file's mode counts, not the process's file mask: the record holds personal data. A
    // file system that cannot restrict it still gets the record, since losing it would be worse.
    const auto written = [&data](int fd) {
        fchmod(fd, S_IRUSR | S_IWUSR);
        return writeAll(fd, data) && fsync(fd) == 0;
    };
#if defined(O_TMPFILE)
    Descriptor unnamed(openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, S_IRUSR | S_IWUSR));
    if (unnamed.get() >= 0) {
        if (!written(unnamed.get()))
            return std::string();
        std::string temporary = nameUnnamedFile(unnamed.get(), folder, name);
        if (!temporary.empty())
            return temporary;
    }
#endif
    // No unnamed files here, or no /proc to name them through.
    std::string temporary;
    Descriptor named(createNamedFile(folder, name, &temporary));
    if (named.get() < 0)
        return std::string();
    if (!written(named.get())) {
        unlinkat(folder, temporary.c_str(), 0);
        return std::string();
    }
    return temporary;
}

FileStamp stampOf(const struct stat &status)
{
    const auto nanoseconds = [](const timespec &time) {
        return std::int64_t(time.tv_sec) * 1000000000 + time.tv_nsec;
    };
    return {std::uint64_t(status.st_dev), std::uint64_t(status.st_ino),
        std::uint64_t(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
}

// Whether a file or folder belongs to this user or to root.
bool isOwnOrRoots(const struct stat &status)
{
    return status.st_uid == geteuid() || status.st_uid == 0;
}

// Whether only this user, root, and others where the sticky bit keeps them
// from this user's files, can change what a folder holds.
bool isGuarded(const struct stat &status)
{
    return isOwnOrRoots(status)
        && (!(status.st_mode & (S_IWGRP | S_IWOTH)) || (status.st_mode & S_ISVTX));
}

// Whether every link on the way to folder, as it is written, belongs to
// this user or to root and stands in a folder that is Own: nobody else can
// point it elsewhere once it was checked.
bool linksOnTheWayAreOwn(const std::string &folder)
{
    for (std::string::size_type slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string step = folder.substr(0, slash);
        struct stat status;
        if (lstat(step.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
            const std::string above = folderOf(step);
            if (!isOwnOrRoots(status)
                || Platform::folderOwnership(above.empty() ? std::string(".") : above)
                    != Platform::Ownership::Own)
                return false;
        }
        if (slash == std::string::npos)
            return true;
    }
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

void exitProcess(int code)
{
    std::exit(code);
}

const char *engineLibraryName()
{
    return "libQuill.so";
}

std::string programFolder()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return length <= 0 ? std::string() : folderOf(std::string(buffer, std::size_t(length)));
}

std::string engineLibraryPath(const std::string &)
{
    const std::string folder = programFolder();
    return folder.empty() ? std::string() : folder + engineLibraryName();
}

void *loadLibrary(const std::string &path)
{
    // dlopen's own search for a bare name would take the working folder
    // from an empty entry of LD_LIBRARY_PATH.
    if (path.find('/') == std::string::npos)
        return nullptr;
    return dlopen(path.c_str(), RTLD_NOW);
}

void *resolveFunction(void *module, const char *name)
{
    return module ? dlsym(module, name) : nullptr;
}

std::vector<std::string> resourceFilePaths(const char *fileName)
{
    const std::string folder = programFolder();
    return folder.empty() ? std::vector<std::string>()
                          : std::vector<std::string> {folder + fileName};
}

FileStamp fileStamp(const std::string &path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 ? stampOf(status) : FileStamp();
}

int openRegularFile(const std::string &path, FileStamp *stamp)
{
    Descriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status;
    if (fd.get() < 0 || fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return -1;
    if (stamp)
        *stamp = stampOf(status);
    // Regular files never block; the flag goes, so that reads behave as usual.
    fcntl(fd.get(), F_SETFL, fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    return fd.release();
}

Ownership folderOwnership(const std::string &folderPath)
{
    // A trailing slash would make lstat() follow a link.
    const std::string::size_type last = folderPath.find_last_not_of('/');
    const std::string folder
        = last == std::string::npos ? folderPath.substr(0, 1) : folderPath.substr(0, last + 1);
    struct stat status;
    if (folder.empty() || lstat(folder.c_str(), &status) != 0)
        return Ownership::Missing;
    // A link in the folder's place leads wherever its maker chose.
    if (S_ISLNK(status.st_mode))
        return Ownership::Foreign;
    if (!S_ISDIR(status.st_mode))
        return Ownership::Missing;
    // Whoever can change a folder above, or a link on the way, can put
    // another one in its place.
    char real[PATH_MAX];
    if (!linksOnTheWayAreOwn(folder) || !realpath(folder.c_str(), real))
        return Ownership::Foreign;
    for (std::string path = real;;
         path = path.substr(0, std::max<std::size_t>(1, path.rfind('/')))) {
        if (stat(path.c_str(), &status) != 0 || !isGuarded(status))
            return Ownership::Foreign;
        if (path == "/")
            return Ownership::Own;
    }
}

int openOwnFile(const std::string &path, Ownership *ownership)
{
    const std::string folder = folderOf(path);
    *ownership = folderOwnership(folder.empty() ? std::string(".") : folder);
    if (*ownership != Ownership::Own)
        return -1;
    struct stat status;
    if (lstat(path.c_str(), &status) != 0) {
        *ownership = Ownership::Missing;
        return -1;
    }
    Descriptor fd(openRegularFile(path));
    if (fd.get() < 0) {
        *ownership = Ownership::Missing;
        return -1;
    }
    // The link at the name and the file it leads to, which nobody else may
    // change.
    const bool own = isOwnOrRoots(status) && fstat(fd.get(), &status) == 0 && isOwnOrRoots(status)
        && !(status.st_mode & (S_IWGRP | S_IWOTH));
    if (!own)
        *ownership = Ownership::Foreign;
    return own ? fd.release() : -1;
}

const char *textLineEnd()
{
    return "\n";
}

bool replaceFile(const std::string &folder, const std::string &name, const std::string &data)
{
    // Everything happens relative to the folder opened once, so that another user who can
    // write there cannot redirect a later step by renaming things in between.
    if (folderOwnership(folder) != Ownership::Own)
        return false;
    const Descriptor folderFd(
        open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat status;
    // The folder opened is one that was judged: no other took its place.
    if (folderFd.get() < 0 || fstat(folderFd.get(), &status) != 0 || !isGuarded(status))
        return false;
    const std::string temporary = writeNewVersion(folderFd.get(), name, data);
    if (temporary.empty())
        return false;
    if (renameat(folderFd.get(), temporary.c_str(), folderFd.get(), name.c_str()) != 0) {
        unlinkat(folderFd.get(), temporary.c_str(), 0);
        return false;
    }
    // The new name must outlive a crash too. Some file systems cannot sync a folder; the file
    // is in place all the same.
    fsync(folderFd.get());
    return true;
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
    for (const std::string &folder : sharedDataFolders())
        folders.catalogues.push_back(folder.substr(0, folder.size() - 1) + dataFolderSuffix());
    return folders;
}

std::vector<std::string> sharedDataFolders()
{
    std::vector<std::string> folders;
    for (const std::string &folder : systemDataDirs())
        folders.push_back(folder + '/');
    const std::string binFolder = programFolder();
    if (!binFolder.empty())
        folders.push_back(binFolder + "../share/");
    return folders;
}

} // namespace Platform
