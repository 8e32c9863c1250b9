// Tests of the Windows side of the platform layer, cross-built with mingw-w64 and run under
// Wine. Qt Test is not available for Windows here, so this is a small runner of its own: each
// check prints its outcome, the last line reads "N passed, M failed", and the exit code is 0
// only when nothing failed.
//
// The test engine lies beside the program as Quill.dll, and a library without the entry point
// as noexport\Quill.dll. Scratch files go to a "scratch" folder beside the program. The common
// files values in the registry are replaced while the program runs and restored at its end.

#include "platform/platform.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int passed = 0;
int failed = 0;
std::wstring programFolder;
std::wstring scratchFolder;

void check(bool condition, const std::string &name, const std::string &detail = std::string())
{
    if (condition) {
        ++passed;
        std::printf("PASS %s\n", name.c_str());
    } else {
        ++failed;
        std::printf("FAIL %s%s%s\n", name.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    }
}

void checkText(const std::string &actual, const std::string &expected, const std::string &name)
{
    check(actual == expected, name, "got \"" + actual + "\", expected \"" + expected + "\"");
}

// The text in the system ANSI code page, as the program receives its arguments; empty when the
// code page cannot hold it.
std::string toAnsi(const std::wstring &text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string ansi(std::size_t(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &ansi[0], size, nullptr, nullptr);
    std::wstring back(text.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &back[0], int(back.size()));
    ansi.resize(std::size_t(size - 1));
    return back.c_str() == text ? ansi : std::string();
}

std::wstring moduleFile(HMODULE module)
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(module, &path[0], DWORD(path.size())));
    return path;
}

bool copyEngineInto(const std::wstring &folder)
{
    CreateDirectoryW(folder.c_str(), nullptr);
    return CopyFileW(
        (programFolder + L"Quill.dll").c_str(), (folder + L"Quill.dll").c_str(), FALSE);
}

// Loads through the platform layer the engine of a program in the given folder, and tells
// whether exactly that file was loaded (not one of the same name loaded before).
bool loadsEngineIn(const std::wstring &folder)
{
    const std::string programPath = toAnsi(folder + L"prog.exe");
    void *module = Platform::loadLibrary(Platform::engineLibraryPath(programPath));
    return module && moduleFile(static_cast<HMODULE>(module)) == folder + L"Quill.dll"
        && Platform::resolveEngineEntry(module, "QuillCommandA");
}

void testStandardHandles()
{
    const struct
    {
        DWORD id;
        Platform::Handle (*read)();
        std::string name;
    } handles[] = {
        {STD_INPUT_HANDLE, Platform::standardInputHandle, "standard input"},
        {STD_OUTPUT_HANDLE, Platform::standardOutputHandle, "standard output"},
    };
    for (const auto &handle : handles) {
        const HANDLE system = GetStdHandle(handle.id);
        check(system != INVALID_HANDLE_VALUE && handle.read() != Platform::InvalidHandle
                && handle.read() == Platform::Handle(reinterpret_cast<std::uintptr_t>(system)),
            handle.name + " is the system's valid handle in a normal start");
        SetStdHandle(handle.id, INVALID_HANDLE_VALUE);
        const Platform::Handle invalid = handle.read();
        SetStdHandle(handle.id, system);
        check(invalid == Platform::InvalidHandle,
            handle.name + " reported invalid by the system reads as all bits set");
    }
}

void testEngineLibrary(const std::string &programArgument)
{
    const struct
    {
        std::string programPath;
        std::string libraryPath;
    } rows[] = {{"C:\\Apps\\Reg\\prog.exe", "C:\\Apps\\Reg\\Quill.dll"},
        {"C:\\prog.exe", "C:\\Quill.dll"}, {"prog.exe", "Quill.dll"}, {"12", "Quill.dll"},
        {"", "Quill.dll"}};
    for (const auto &row : rows)
        checkText(Platform::engineLibraryPath(row.programPath), row.libraryPath,
            "library path for program path \"" + row.programPath + "\"");

    const std::string folder = toAnsi(programFolder);
    void *missing = Platform::loadLibrary(Platform::engineLibraryPath(folder + "missing\\p.exe"));
    check(!missing && !Platform::resolveEngineEntry(missing, "QuillCommandA"),
        "missing library fails to load and gives no entry point");
    void *noExport = Platform::loadLibrary(Platform::engineLibraryPath(folder + "noexport\\p.exe"));
    check(noExport && !Platform::resolveEngineEntry(noExport, "QuillCommandA"),
        "library without the export loads but gives no entry point");

    void *module = Platform::loadLibrary(Platform::engineLibraryPath(programArgument));
    const Platform::EngineEntry entry = Platform::resolveEngineEntry(module, "QuillCommandA");
    check(entry != nullptr, "engine beside the program loads and has its entry point");
    if (!entry)
        return;
    char reply[256] = "previous reply";
    const int result = entry("SENDADDRESS", "ADDRESS1=1 Main St,CITY=Springfield", reply);
    check(result == 35, "engine call hands back the engine's result", std::to_string(result));
    checkText(reply, "SENDADDRESS|ADDRESS1=1 Main St,CITY=Springfield",
        "engine call passes command and parameters and receives the reply");
}

void testEngineInOtherFolders()
{
    // 250 UTF-16 units hold the terminator and 249 characters. Windows itself would load every
    // one of these files.
    const auto folderFor = [](std::size_t pathLength) {
        const std::size_t used = scratchFolder.size() + std::wstring(L"\\Quill.dll").size();
        const std::size_t padding = pathLength > used ? pathLength - used : 1;
        return scratchFolder + std::wstring(padding, L'a') + L"\\";
    };
    const struct
    {
        std::wstring folder;
        std::size_t pathLength;
        bool loads;
        std::string name;
    } rows[] = {{scratchFolder + L"Caf\u00e9 \u00c5rhus\\", 0, true,
                    "engine in a folder named in the ANSI code page loads"},
        {folderFor(249), 249, true, "library path of 249 characters loads"},
        {folderFor(250), 250, false, "library path of 250 characters counts as a failed load"}};
    for (const auto &row : rows) {
        const std::wstring path = row.folder + L"Quill.dll";
        if (toAnsi(row.folder).empty()) {
            std::printf("SKIP %s: the code page lacks the folder's characters\n", row.name.c_str());
            continue;
        }
        const bool copied = copyEngineInto(row.folder);
        const bool loaded = copied && loadsEngineIn(row.folder);
        const bool loadable = LoadLibraryW(path.c_str()) != nullptr;
        check(copied && loadable && loaded == row.loads
                && (row.pathLength == 0 || path.size() == row.pathLength),
            row.name, "path of " + std::to_string(path.size()) + " characters");
    }
}

const wchar_t CurrentVersionKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// A registry value as it is stored; an absent one has no type.
struct RegistryValue
{
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

RegistryValue textValue(const std::wstring &text, DWORD type = REG_SZ)
{
    const auto *bytes = reinterpret_cast<const BYTE *>(text.c_str());
    return {type, std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t))};
}

RegistryValue readValue(const wchar_t *name)
{
    RegistryValue value;
    DWORD size = 0;
    const DWORD flags = RRF_RT_ANY | RRF_NOEXPAND;
    if (RegGetValueW(
            HKEY_LOCAL_MACHINE, CurrentVersionKey, name, flags, &value.type, nullptr, &size)
        != ERROR_SUCCESS)
        return RegistryValue();
    value.data.resize(size);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, CurrentVersionKey, name, flags, &value.type,
            value.data.data(), &size)
        != ERROR_SUCCESS)
        return RegistryValue();
    value.data.resize(size);
    return value;
}

bool writeValue(const wchar_t *name, const RegistryValue &value)
{
    if (value.type == REG_NONE) {
        const LSTATUS status = RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, CurrentVersionKey, name);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    return RegSetKeyValueW(HKEY_LOCAL_MACHINE, CurrentVersionKey, name, value.type,
               value.data.data(), DWORD(value.data.size()))
        == ERROR_SUCCESS;
}

void testCommonFilesValues()
{
    const RegistryValue absent;
    const RegistryValue number {REG_DWORD, {1, 0, 0, 0}};
    const char *systemDrive = std::getenv("SystemDrive");
    const struct
    {
        std::string name;
        RegistryValue x86;
        RegistryValue common;
        std::string expectedX86;
        std::string expectedCommon;
    } rows[] = {
        {"both set", textValue(L"D:\\Shared x86"), textValue(L"D:\\Shared"), "D:\\Shared x86",
            "D:\\Shared"},
        {"x86 value empty, other absent", textValue(L""), absent, "", ""},
        {"expandable", textValue(L"%SystemDrive%\\Shared", REG_EXPAND_SZ), number,
            std::string(systemDrive ? systemDrive : "") + "\\Shared", ""},
        {"outside Latin-1", textValue(L"D:\\\u5171\u6709 \u00e9"), absent,
            u8"D:\\\u5171\u6709 \u00e9", ""},
        {"longer than MAX_PATH", absent, textValue(L"D:\\" + std::wstring(400, L'x')), "",
            "D:\\" + std::string(400, 'x')},
    };

    const wchar_t *const names[] = {L"CommonFilesDir (x86)", L"CommonFilesDir"};
    const RegistryValue stored[] = {readValue(names[0]), readValue(names[1])};
    for (const auto &row : rows) {
        const std::string name = "common files values, " + row.name + ": ";
        if (!writeValue(names[0], row.x86) || !writeValue(names[1], row.common)) {
            check(false, name + "setting the test values", "needs administrator rights");
            continue;
        }
        checkText(Platform::commonFilesValue(Platform::CommonFilesValue::X86), row.expectedX86,
            name + "CommonFilesDir (x86)");
        checkText(Platform::commonFilesValue(Platform::CommonFilesValue::Default),
            row.expectedCommon, name + "CommonFilesDir");
    }
    check(writeValue(names[0], stored[0]) && writeValue(names[1], stored[1]),
        "common files values restored");
}

// A child run of this program registers a clean-up that writes the marker file, which only a
// normal end of the process may run, and then ends in the given mode.
const char *markerPath = nullptr;

int runChild(const std::string &mode, const char *marker)
{
    markerPath = marker;
    std::atexit([] { std::fclose(std::fopen(markerPath, "w")); });
    if (mode == "exit-immediately")
        Platform::exitImmediately(2);
    return 3;
}

void testImmediateExit()
{
    const struct
    {
        std::wstring mode;
        DWORD code;
        bool cleanedUp;
        std::string name;
    } rows[] = {
        {L"exit-immediately", 2, false, "immediate exit ends a child with code 2, no clean-up"},
        {L"return", 3, true, "a child that returns from main runs its clean-up (control)"},
    };
    for (const auto &row : rows) {
        const std::wstring marker = scratchFolder + L"marker-" + row.mode;
        DeleteFileW(marker.c_str());
        std::wstring commandLine
            = L"\"" + moduleFile(nullptr) + L"\" " + row.mode + L" \"" + marker + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        DWORD code = DWORD(-1);
        if (CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                &startup, &process)) {
            WaitForSingleObject(process.hProcess, INFINITE);
            GetExitCodeProcess(process.hProcess, &code);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        const bool cleanedUp = GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
        check(code == row.code && cleanedUp == row.cleanedUp, row.name,
            "exit code " + std::to_string(code) + (cleanedUp ? ", cleaned up" : ""));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3)
        return runChild(argv[1], argv[2]);

    const std::wstring program = moduleFile(nullptr);
    programFolder = program.substr(0, program.rfind(L'\\') + 1);
    scratchFolder = programFolder + L"scratch\\";
    CreateDirectoryW(scratchFolder.c_str(), nullptr);

    testStandardHandles();
    testEngineLibrary(argc > 0 ? argv[0] : "");
    testEngineInOtherFolders();
    testCommonFilesValues();
    testImmediateExit();

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
