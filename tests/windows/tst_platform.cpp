// Tests of the Windows side of the platform layer, cross-built with mingw-w64 and run under Wine
// in a prefix made for the run, whose registry they change. Qt Test is not available for Windows
// here, so this is one table of calls and their expected results: each row prints its outcome,
// the last line reads "N passed, M failed", and the exit code is 0 only when nothing failed.
//
// The test engine lies beside the program as Quill.dll, and a library without the entry point
// as noexport\Quill.dll; copies of the engine go to a "scratch" folder beside the program.

#include "engine/enginecontract.h"
#include "platform/platform.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <io.h>
#include <string>

namespace {

std::wstring programFolder;

std::wstring moduleFile(HMODULE module)
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(module, &path[0], DWORD(path.size())));
    return path;
}

// The handle that the platform layer reads as it is, and once the system reports it invalid.
std::string handle(DWORD id, Platform::Handle (*read)())
{
    const HANDLE system = GetStdHandle(id);
    const Platform::Handle normal = read();
    SetStdHandle(id, INVALID_HANDLE_VALUE);
    const Platform::Handle invalid = read();
    SetStdHandle(id, system);
    return (system != INVALID_HANDLE_VALUE && normal == reinterpret_cast<std::uintptr_t>(system)
                   ? "the system's"
                   : std::to_string(normal))
        + ", then " + std::to_string(invalid);
}

// What the platform layer loads for a program in the folder, and what that engine answers: only
// the library beside the program (not one of the same name loaded before) is used, through its
// entry point. With copy, the test engine is put there first. The program path reaches the layer
// in the ANSI code page, Windows-1252 in the test prefix, which holds the folders' Latin-1 names
// as they are.
std::string engineOf(const std::wstring &folder, bool copy = false)
{
    const std::wstring library = folder + L"Quill.dll";
    CreateDirectoryW(folder.c_str(), nullptr);
    if (copy && !CopyFileW((programFolder + L"Quill.dll").c_str(), library.c_str(), FALSE))
        return "the engine cannot be copied there";
    void *module = Platform::loadLibrary(
        Platform::engineLibraryPath(std::string(folder.begin(), folder.end()) + "prog.exe"));
    const auto entry = reinterpret_cast<EngineContract::Entry>(
        Platform::resolveFunction(module, EngineContract::EntryName));
    char reply[EngineContract::ReplySize] = "previous reply";
    if (!module)
        return copy && LoadLibraryW(library.c_str()) ? "not loaded, though Windows loads it"
                                                     : "not loaded";
    if (moduleFile(static_cast<HMODULE>(module)) != library || !entry)
        return entry ? "another library loaded" : "no entry point";
    return std::to_string(entry("SENDADDRESS", "ADDRESS1=1 Main St", reply)) + ' ' + reply;
}

// The folder for a library path of the given length.
std::wstring folderForPath(std::size_t length)
{
    const std::wstring scratch = programFolder + L"scratch\\";
    return scratch + std::wstring(length - scratch.size() - 10, L'a') + L"\\";
}

// Sets the two registry values, each of a type and a text (REG_NONE deletes it), and reads
// them through the platform layer.
std::string commonFiles(
    DWORD x86Type, const std::wstring &x86, DWORD type, const std::wstring &text)
{
    const auto set = [](const wchar_t *name, DWORD type, const std::wstring &text) {
        const wchar_t key[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key, name);
        return type == REG_NONE
            || RegSetKeyValueW(
                   HKEY_LOCAL_MACHINE, key, name, type, text.c_str(), DWORD(text.size() + 1) * 2)
            == ERROR_SUCCESS;
    };
    if (!set(L"CommonFilesDir (x86)", x86Type, x86) || !set(L"CommonFilesDir", type, text))
        return "cannot set the values; this needs administrator rights";
    return Platform::commonFilesValue(Platform::CommonFilesValue::X86) + " | "
        + Platform::commonFilesValue(Platform::CommonFilesValue::Default);
}

std::string utf8(const std::wstring &text)
{
    std::string result(std::size_t(text.size() * 4 + 1), '\0');
    result.resize(std::size_t(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()),
        &result[0], int(result.size()), nullptr, nullptr)));
    return result;
}

// Replaces a file of the folder holding "old" by one holding "new", and tells what the folder
// then holds.
std::string replaced(const std::wstring &folder)
{
    CreateDirectoryW(folder.c_str(), nullptr);
    if (FILE *old = _wfopen((folder + L"RegInfo.xml").c_str(), L"wb")) {
        std::fputs("old", old);
        std::fclose(old);
    }
    const bool done = Platform::replaceFile(utf8(folder), "RegInfo.xml", "new");
    std::string listing;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            listing += ' ' + utf8(found.cFileName);
    }
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    char text[8] = {};
    const int fd = Platform::openRegularFile(utf8(folder) + "RegInfo.xml");
    if (fd >= 0) {
        _read(fd, text, sizeof text - 1);
        _close(fd);
    }
    return (done ? "replaced:" : "failed:") + listing + " holding \"" + text + '"';
}

} // namespace

int main()
{
    const std::wstring program = moduleFile(nullptr);
    programFolder = program.substr(0, program.rfind(L'\\') + 1);
    CreateDirectoryW((programFolder + L"scratch\\").c_str(), nullptr);
    const char *drive = std::getenv("SystemDrive");

    // Each row is evaluated in turn.
    const struct
    {
        std::string name;
        std::string actual;
        std::string expected;
    } rows[] = {
        {"standard input and output",
            handle(STD_INPUT_HANDLE, Platform::standardInputHandle) + " / "
                + handle(STD_OUTPUT_HANDLE, Platform::standardOutputHandle),
            "the system's, then 4294967295 / the system's, then 4294967295"},
        {"library paths",
            Platform::engineLibraryPath("C:\\Apps\\prog.exe") + " "
                + Platform::engineLibraryPath("prog.exe"),
            "C:\\Apps\\Quill.dll Quill.dll"},
        {"engine beside the program", engineOf(programFolder), "7 rrr"},
        {"missing library", engineOf(programFolder + L"missing\\"), "not loaded"},
        {"library without the export", engineOf(programFolder + L"noexport\\"), "no entry point"},
        {"folder named in the ANSI code page",
            engineOf(programFolder + L"scratch\\Caf\u00e9 \u00c5rhus\\", true), "7 rrr"},
        // 250 UTF-16 units hold the terminator and 249 characters.
        {"library path of 249 characters", engineOf(folderForPath(249), true), "7 rrr"},
        {"library path of 250 characters", engineOf(folderForPath(250), true),
            "not loaded, though Windows loads it"},
        {"common files values, beyond Latin-1 and longer than MAX_PATH",
            commonFiles(
                REG_SZ, L"D:\\\u5171\u6709 \u00e9", REG_SZ, L"D:\\" + std::wstring(400, L'x')),
            u8"D:\\\u5171\u6709 \u00e9 | D:\\" + std::string(400, 'x')},
        {"common files values, one empty and one absent", commonFiles(REG_SZ, L"", REG_NONE, L""),
            " | "},
        {"common files values, expandable, and of another type",
            commonFiles(REG_EXPAND_SZ, L"%SystemDrive%\\S", REG_MULTI_SZ, L"D:\\S"),
            std::string(drive ? drive : "") + "\\S | "},
        {"resource files",
            Platform::resourceFilePaths("KVB.rcc").at(0) + " | "
                + (Platform::resourceFilePaths("KVB.rcc").at(1) == utf8(programFolder) + "KVB.rcc"
                        ? "beside the program"
                        : Platform::resourceFilePaths("KVB.rcc").at(1)),
            "..\\..\\KVB.rcc | beside the program"},
        {"a file replaced, in a folder named beyond Latin-1",
            replaced(programFolder + L"scratch\\\u5171\u6709\\"),
            "replaced: RegInfo.xml holding \"new\""},
        {"a folder is not opened as a file",
            std::to_string(Platform::openRegularFile(utf8(programFolder) + "scratch")), "-1"},
        {"data folder suffix, and the folder without common files values",
            Platform::dataFolderSuffix()
                + (" | " + Platform::fallbackDataFolders().catalogues.at(0)),
            "\\Tarn\\CustomData\\ | \\Tarn\\CustomData\\"},
    };

    int failed = 0;
    for (const auto &row : rows) {
        const bool passed = row.actual == row.expected;
        failed += !passed;
        std::printf("%s %s%s\n", passed ? "PASS" : "FAIL", row.name.c_str(),
            passed ? ""
                   : (": got \"" + row.actual + "\", expected \"" + row.expected + "\"").c_str());
    }
    std::printf("%d passed, %d failed\n", int(std::size(rows)) - failed, failed);
    return failed == 0 ? 0 : 1;
}
