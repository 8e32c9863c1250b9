#include "platform.h"

#include <windows.h>

namespace Platform {

namespace {

// The engine library path is converted into a buffer of this many UTF-16
// units, terminator included; a longer path counts as a failed load.
constexpr int LibraryPathUnits = 250;

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
    const std::string folder =
            backslash == std::string::npos ? std::string() : programPath.substr(0, backslash + 1);
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
    const wchar_t *valueName =
            which == CommonFilesValue::X86 ? L"CommonFilesDir (x86)" : L"CommonFilesDir";
    wchar_t buffer[MAX_PATH + 1];
    DWORD size = sizeof buffer;
    const LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE,
                                        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", valueName,
                                        RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ, nullptr, buffer, &size);
    return status == ERROR_SUCCESS ? toUtf8(buffer) : std::string();
}

std::string fallbackCommonFilesDir()
{
    return std::string();
}

const char *dataFolderSuffix()
{
    return "\\Tarn\\CustomData\\";
}

} // namespace Platform
