#include "platform.h"

#include <windows.h>

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
    ExitProcess(static_cast<UINT>(code));
}

const char *engineLibraryName()
{
    return "Quill.dll";
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

EngineEntry resolveEngineEntry(void *module, const char *name)
{
    if (!module)
        return nullptr;
    return reinterpret_cast<EngineEntry>(
        reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(module), name)));
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

void keepFreedMemory()
{
    // The Windows heap decides by itself what it keeps.
}

} // namespace Platform
