#include "platform.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <iterator>
#include <random>
#include <sys/stat.h>

namespace Platform {

namespace {

// The engine library path is converted into a buffer of this many UTF-16
// units, terminator included; a longer path counts as a failed load.
constexpr int LibraryPathUnits = 250;

const wchar_t CurrentVersionKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

std::string toUtf8(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string result(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &result[0], size, nullptr, nullptr);
    result.resize(std::size_t(size - 1));
    return result;
}

std::wstring toWide(const std::string &text)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 1)
        return std::wstring();
    std::wstring result(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &result[0], size);
    result.resize(std::size_t(size - 1));
    return result;
}

std::wstring inFolder(const std::wstring &folder, const std::wstring &name)
{
    if (folder.empty() || folder.back() == L'\\' || folder.back() == L'/')
        return folder + name;
    return folder + L'\\' + name;
}

// A name beside the file for its next version: the file's name, a dot and six letters.
std::wstring temporaryName(const std::wstring &name)
{
    static const wchar_t letters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 random {std::random_device {}()};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(letters) - 2);
    std::wstring temporary = name + L'.';
    for (int i = 0; i < 6; ++i)
        temporary += letters[pick(random)];
    return temporary;
}

bool writeAll(HANDLE file, const std::string &data)
{
    for (std::size_t written = 0; written < data.size();) {
        DWORD count = 0;
        const DWORD chunk = DWORD(std::min<std::size_t>(data.size() - written, 1u << 30));
        if (!WriteFile(file, data.data() + written, chunk, &count, nullptr) || count == 0)
            return false;
        written += count;
    }
    return true;
}

FileStamp stampOf(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(file, &information))
        return FileStamp();
    const auto join = [](DWORD high, DWORD low) { return (std::uint64_t(high) << 32) | low; };
    // Windows counts file times in units of 100 nanoseconds since 1601.
    constexpr std::int64_t From1601To1970 = 116444736000000000;
    const std::int64_t written = std::int64_t(join(
        information.ftLastWriteTime.dwHighDateTime, information.ftLastWriteTime.dwLowDateTime));
    return {information.dwVolumeSerialNumber,
        join(information.nFileIndexHigh, information.nFileIndexLow),
        join(information.nFileSizeHigh, information.nFileSizeLow), (written - From1601To1970) * 100,
        0};
}

Handle toHandle(HANDLE handle)
{
    // Handles are 32-bit values even on 64-bit Windows, so truncating keeps
    // the value, and INVALID_HANDLE_VALUE becomes all 32 bits set.
    return static_cast<Handle>(reinterpret_cast<std::uintptr_t>(handle));
}

} // namespace

Handle standardInputHandle()
{
    return toHandle(GetStdHandle(STD_INPUT_HANDLE));
}

Handle standardOutputHandle()
{
    return toHandle(GetStdHandle(STD_OUTPUT_HANDLE));
}

void exitImmediately(int code)
{
    // ExitProcess() would end the other threads and then run every
    // library's clean-up, which is what this skips.
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(code));
    std::abort();
}

void exitProcess(int code)
{
    // The C++ runtime's clean-up at exit deletes the threads library's key
    // for thread-local objects and waits for that library's lock, which is
    // not always released: the process then never ends (seen under Wine in
    // about one exit in three). Nothing the program wrote waits for that
    // clean-up: its files are closed by now.
    std::fflush(nullptr);
    exitImmediately(code);
}

const char *engineLibraryName()
{
    return "Quill.dll";
}

std::string programFolder()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, &path[0], DWORD(path.size())));
    const std::wstring::size_type backslash = path.rfind(L'\\');
    return backslash == std::wstring::npos ? std::string()
                                           : toUtf8(path.substr(0, backslash + 1).c_str());
}

std::string engineLibraryPath(const std::string &programPath)
{
    const std::string::size_type backslash = programPath.rfind('\\');
    const std::string folder
        = backslash == std::string::npos ? std::string() : programPath.substr(0, backslash + 1);
    return folder + engineLibraryName();
}

void *loadLibrary(const std::string &path)
{
    wchar_t widePath[LibraryPathUnits];
    if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, LibraryPathUnits) == 0)
        return nullptr;
    return LoadLibraryW(widePath);
}

void *resolveFunction(void *module, const char *name)
{
    if (!module)
        return nullptr;
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(module), name));
}

std::vector<std::string> resourceFilePaths(const char *fileName)
{
    return {std::string("..\\..\\") + fileName, programFolder() + fileName};
}

FileStamp fileStamp(const std::string &path)
{
    const HANDLE file = CreateFileW(toWide(path).c_str(), FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FileStamp();
    const FileStamp stamp = stampOf(file);
    CloseHandle(file);
    return stamp;
}

int openRegularFile(const std::string &path, FileStamp *stamp)
{
    const int fd = _wopen(toWide(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    struct _stat64 status;
    if (fd >= 0 && (_fstat64(fd, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG)) {
        _close(fd);
        return -1;
    }
    if (fd >= 0 && stamp)
        *stamp = stampOf(reinterpret_cast<HANDLE>(_get_osfhandle(fd)));
    return fd;
}

Ownership folderOwnership(const std::string &folder)
{
    const DWORD attributes = GetFileAttributesW(toWide(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Ownership::Missing;
    return attributes & FILE_ATTRIBUTE_REPARSE_POINT ? Ownership::Foreign : Ownership::Own;
}

int openOwnFile(const std::string &path, Ownership *ownership)
{
    const std::string::size_type separator = path.find_last_of("\\/");
    *ownership = separator == std::string::npos ? Ownership::Own
                                                : folderOwnership(path.substr(0, separator + 1));
    if (*ownership != Ownership::Own)
        return -1;
    const int fd = openRegularFile(path);
    if (fd < 0)
        *ownership = Ownership::Missing;
    return fd;
}

const char *textLineEnd()
{
    return "\r\n";
}

bool replaceFile(const std::string &folder, const std::string &name, const std::string &data)
{
    if (folderOwnership(folder) != Ownership::Own)
        return false;
    const std::wstring target = inFolder(toWide(folder), toWide(name));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring temporary = inFolder(toWide(folder), temporaryName(toWide(name)));
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS)
                continue;
            return false;
        }
        const bool written = writeAll(file, data) && FlushFileBuffers(file);
        CloseHandle(file);
        // Moving onto the name replaces a link there, not the file it leads to.
        if (written
            && MoveFileExW(temporary.c_str(), target.c_str(),
                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        DeleteFileW(temporary.c_str());
        return false;
    }
    return false;
}

std::string commonFilesValue(CommonFilesValue which)
{
    const wchar_t *valueName
        = which == CommonFilesValue::X86 ? L"CommonFilesDir (x86)" : L"CommonFilesDir";
    // Asking for REG_SZ also accepts a REG_EXPAND_SZ value and expands it; any other type reads
    // as absent. The buffer grows when the value is longer, a few times at most in case the
    // value changes meanwhile.
    std::wstring buffer(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = DWORD(buffer.size() * sizeof(wchar_t));
        const LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE, CurrentVersionKey, valueName,
            RRF_RT_REG_SZ, nullptr, &buffer[0], &size);
        if (status == ERROR_SUCCESS)
            return toUtf8(buffer.c_str());
        if (status != ERROR_MORE_DATA)
            break;
        buffer.assign(size / sizeof(wchar_t) + 1, L'\0');
    }
    return std::string();
}

const char *dataFolderSuffix()
{
    return "\\Tarn\\CustomData\\";
}

FallbackDataFolders fallbackDataFolders()
{
    // With no common files folder the data folder is the suffix alone: the
    // folder of that name at the root of the current drive.
    const std::string folder = dataFolderSuffix();
    return {folder, false, {folder}};
}

std::vector<std::string> sharedDataFolders()
{
    const std::string folder = programFolder();
    return folder.empty() ? std::vector<std::string>()
                          : std::vector<std::string> {folder + "share\\"};
}

} // namespace Platform
