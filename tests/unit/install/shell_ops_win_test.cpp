// Windows: shortcuts read back through the shell's own link object, wildcard refusal and the
// Recycle Bin.
#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#include "install/shell_ops.h"
#include "platform/win/com_ptr.h"
#include "tests/unit/update/temp_folder.h"

namespace {

namespace fs = std::filesystem;

struct ShortcutFields {
    std::wstring path;
    std::wstring arguments;
    std::wstring workingFolder;
    std::wstring description;
    std::wstring iconPath;
    int iconIndex = -1;
    int showCommand = 0;
};

// Loads a .lnk file with IShellLinkW + IPersistFile and reads back what CreateShortcut sets.
::testing::AssertionResult LoadShortcut(const std::wstring& file, ShortcutFields& fields) {
    ComPtr<IShellLinkW> link;
    HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IShellLinkW, link.ReceiveVoid());
    if (FAILED(result)) {
        return ::testing::AssertionFailure() << "CoCreateInstance " << std::hex << result;
    }
    ComPtr<IPersistFile> persist;
    if (FAILED(result = link.QueryInterface(IID_IPersistFile, persist)) ||
        FAILED(result = persist->Load(file.c_str(), STGM_READ))) {
        return ::testing::AssertionFailure() << "Load " << std::hex << result;
    }
    wchar_t text[MAX_PATH * 2] = {};
    link->GetPath(text, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
    fields.path = text;
    text[0] = L'\0';
    link->GetArguments(text, MAX_PATH * 2);
    fields.arguments = text;
    text[0] = L'\0';
    link->GetWorkingDirectory(text, MAX_PATH * 2);
    fields.workingFolder = text;
    text[0] = L'\0';
    link->GetDescription(text, MAX_PATH * 2);
    fields.description = text;
    text[0] = L'\0';
    link->GetIconLocation(text, MAX_PATH * 2, &fields.iconIndex);
    fields.iconPath = text;
    link->GetShowCmd(&fields.showCommand);
    return ::testing::AssertionSuccess();
}

TEST(CreateShortcutWin, WritesALinkThatResolvesToTheTargetArgumentsAndIcon) {
    const ScopedComApartment apartment;
    const TempFolder root;
    const fs::path install = root.Path() / "my games" / "vantro" / "vantro";
    fs::create_directories(install / "res");
    fs::create_directories(root.Path() / "menu");
    const std::wstring target = (install / "game.exe").wstring();
    WriteBinaryFile(target, "MZ");
    const std::wstring icon = (install / "res" / "uninstall.ico").wstring();
    const std::wstring menu = (root.Path() / "menu").wstring();
    // An older file of the same name is replaced.
    WriteBinaryFile(root.Path() / "menu" / L"Torvane.lnk", "not a shortcut");

    const struct {
        std::wstring linkName;
        std::wstring arguments;
        bool withIcon;
        std::wstring iconPath;
        int iconIndex;
    } cases[] = {
        {L"Torvane.lnk", L"1", false, L"", 0},
        {L"\u5378\u8f7d-Torvane.lnk", L"-u", true, icon, 0},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(CreateShortcut(target, c.arguments, menu, c.linkName, c.withIcon))
            << fs::path(c.linkName);
        ShortcutFields fields;
        ASSERT_TRUE(LoadShortcut(menu + L"\\" + c.linkName, fields));
        EXPECT_EQ(fields.path, target);
        EXPECT_EQ(fields.arguments, c.arguments);
        EXPECT_EQ(fields.workingFolder, L"");
        EXPECT_EQ(fields.description, L"");
        EXPECT_EQ(fields.iconPath, c.iconPath);
        EXPECT_EQ(fields.iconIndex, c.iconIndex);
        EXPECT_EQ(fields.showCommand, SW_SHOWNORMAL);
    }
}

bool InComApartment() {
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    return ::CoGetApartmentType(&type, &qualifier) != CO_E_NOTINITIALIZED;
}

// Runs on a thread of its own, which starts outside any apartment whatever other tests did.
void CreateShortcutsInEachKindOfApartment(const std::wstring& target, const std::wstring& folder) {
    ASSERT_FALSE(InComApartment());
    EXPECT_TRUE(CreateShortcut(target, L"1", folder, L"no-apartment.lnk", false));
    EXPECT_FALSE(InComApartment());
    {
        const ScopedComApartment apartment;
        EXPECT_TRUE(CreateShortcut(target, L"1", folder, L"single-threaded.lnk", false));
        EXPECT_TRUE(InComApartment());
    }
    ASSERT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_TRUE(CreateShortcut(target, L"1", folder, L"multithreaded.lnk", false));
    EXPECT_TRUE(InComApartment());
    ::CoUninitialize();
    EXPECT_FALSE(InComApartment());
}

TEST(CreateShortcutWin, WorksInAnyApartmentAndLeavesTheThreadAsItWas) {
    const TempFolder root;
    const std::wstring target = root.Wide("game.exe");
    WriteBinaryFile(target, "MZ");
    std::thread(CreateShortcutsInEachKindOfApartment, target, root.Path().wstring()).join();

    const ScopedComApartment apartment;
    for (const wchar_t* name :
         {L"no-apartment.lnk", L"single-threaded.lnk", L"multithreaded.lnk"}) {
        ShortcutFields fields;
        ASSERT_TRUE(LoadShortcut(root.Wide(name), fields)) << fs::path(name);
        EXPECT_EQ(fields.path, target);
    }
}

TEST(ShellDeleteWin, RefusesWildcardsThatTheShellWouldExpand) {
    const TempFolder root;
    for (const char* name : {"a.txt", "b.txt", "ab.txt"}) {
        WriteBinaryFile(root.Path() / name, name);
    }
    for (const wchar_t* pattern : {L"*.txt", L"?.txt", L"a*", L"*"}) {
        EXPECT_FALSE(ShellDelete(root.Wide(pattern))) << fs::path(pattern);
    }
    for (const char* name : {"a.txt", "b.txt", "ab.txt"}) {
        EXPECT_EQ(ReadBinaryFile(root.Path() / name), name);
    }
}

struct RecycleBinTotals {
    long long items = -1;
    long long bytes = -1;
};

RecycleBinTotals QueryRecycleBin() {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    RecycleBinTotals totals;
    if (SUCCEEDED(::SHQueryRecycleBinW(nullptr, &info))) {
        totals.items = info.i64NumItems;
        totals.bytes = info.i64Size;
    }
    return totals;
}

bool RunsUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Wine keeps its Recycle Bin in the host's freedesktop trash, $XDG_DATA_HOME/Trash (the test run
// points XDG_DATA_HOME into the build folder). Its Windows path, or empty when unknown.
fs::path WineTrashFolder() {
    using DosFileName = WCHAR* (*)(const char*);
    const HMODULE kernel32 = ::GetModuleHandleW(L"kernel32.dll");
    // Through a plain function pointer type: the exported function has its own signature.
    const auto toDos = reinterpret_cast<DosFileName>(
        reinterpret_cast<void (*)()>(::GetProcAddress(kernel32, "wine_get_dos_file_name")));
    char unixFolder[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("XDG_DATA_HOME", unixFolder, MAX_PATH);
    if (toDos == nullptr || length == 0 || length >= MAX_PATH) {
        return {};
    }
    WCHAR* dosFolder = toDos(unixFolder);
    if (dosFolder == nullptr) {
        return {};
    }
    const fs::path folder = fs::path(dosFolder) / "Trash";
    ::HeapFree(::GetProcessHeap(), 0, dosFolder);
    return folder;
}

// Checks that Wine's trash holds the item `name` with `probe` inside (the item itself when
// empty) reading `contents`, and its record; then takes both out again.
void ExpectInWineTrashAndRemove(const fs::path& trash, const std::string& name,
                                const fs::path& probe, const std::string& contents) {
    const fs::path item = trash / "files" / name;
    const fs::path record = trash / "info" / (name + ".trashinfo");
    EXPECT_EQ(ReadBinaryFile(probe.empty() ? item : item / probe), contents) << item;
    const std::string text = ReadBinaryFile(record);
    EXPECT_EQ(text.rfind("[Trash Info]\n", 0), 0u) << text;
    EXPECT_NE(text.find("/" + name + "\n"), std::string::npos) << text;
    std::error_code ignored;
    fs::remove_all(item, ignored);
    fs::remove(record, ignored);
}

TEST(ShellDeleteWin, MovesFilesAndFolderTreesIntoTheRecycleBin) {
    const TempFolder root;
    const std::string unique = root.Path().filename().string();
    const std::string fileName = unique + "-file.txt";
    const std::string treeName = unique + "-tree";
    WriteBinaryFile(root.Path() / fileName, "12345");
    fs::create_directories(root.Path() / treeName / "inner");
    WriteBinaryFile(root.Path() / treeName / "a.txt", "abc");
    WriteBinaryFile(root.Path() / treeName / "inner" / "b.txt", "defgh");

    const RecycleBinTotals before = QueryRecycleBin();
    ASSERT_TRUE(ShellDelete((root.Path() / fileName).wstring()));
    const RecycleBinTotals middle = QueryRecycleBin();
    ASSERT_TRUE(ShellDelete((root.Path() / treeName).wstring()));
    const RecycleBinTotals after = QueryRecycleBin();
    EXPECT_FALSE(fs::exists(root.Path() / fileName));
    EXPECT_FALSE(fs::exists(root.Path() / treeName));
    // One item per deletion; Wine counts the bytes of files only, not of folders' contents.
    ASSERT_GE(before.items, 0);
    EXPECT_EQ(middle.items, before.items + 1);
    EXPECT_EQ(middle.bytes, before.bytes + 5);
    EXPECT_EQ(after.items, before.items + 2);

    if (!RunsUnderWine()) {
        return;
    }
    const fs::path trash = WineTrashFolder();
    ASSERT_FALSE(trash.empty()) << "XDG_DATA_HOME is not set: Wine would use the host's trash";
    ExpectInWineTrashAndRemove(trash, fileName, {}, "12345");
    ExpectInWineTrashAndRemove(trash, treeName, fs::path("inner") / "b.txt", "defgh");
}

}  // namespace
