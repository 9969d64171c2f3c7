// Behaviour of the shell operations that is the same on both platforms.
#include "install/shell_ops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/path_separator.h"
#include "install/shell_paths.h"
#include "tests/unit/update/temp_folder.h"

namespace {

namespace fs = std::filesystem;

// Test paths are written with '/'; this gives the platform's separator.
std::wstring Native(std::wstring path) {
    std::replace(path.begin(), path.end(), L'/', kPathSeparator);
    return path;
}

TEST(NotifyRemoved, CutsThePathBackToItsParentFolder) {
    const struct {
        std::wstring path;
        std::wstring expected;
    } cases[] = {
        {L"C:/a/b.txt", L"C:/a"},
        {L"C:/A/B/x.lnk", L"C:/A/B"},
        {L"C:/a/folder/", L"C:/a/folder"},  // a trailing separator is the last one
        {L"C:/x", L"C:"},
        {L"/", L""},
        // Without a separator there is no parent: nothing before the text is looked at.
        {L"no-separator.txt", L"no-separator.txt"},
        {L"", L""},
    };
    for (const auto& c : cases) {
        std::wstring path = Native(c.path);
        NotifyRemoved(path);
        EXPECT_EQ(path, Native(c.expected)) << fs::path(c.path);
    }
}

TEST(ShortcutIconPath, IsTheResourceFolderBesideTheTarget) {
    const struct {
        std::wstring target;
        std::wstring expected;
    } cases[] = {
        {L"C:/Users/u/AppData/Roaming/vantro/vantro/game.exe",
         L"C:/Users/u/AppData/Roaming/vantro/vantro/res/uninstall.ico"},
        {L"/home/u/.local/share/vantro/vantro/torvane",
         L"/home/u/.local/share/vantro/vantro/res/uninstall.ico"},
        {L"game.exe", L"res/uninstall.ico"},  // a bare name lives in the current folder
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortcutIconPath(Native(c.target)), Native(c.expected)) << fs::path(c.target);
    }
}

TEST(DeleteAndNotify, CutsTheBufferToTheParentOnlyAfterADeletion) {
    const TempFolder root;
    fs::create_directories(root.Path() / "A" / "B");
    WriteBinaryFile(root.Path() / "A" / "B" / "x.lnk", "shortcut");

    std::wstring path = (root.Path() / "A" / "B" / "x.lnk").wstring();
    EXPECT_TRUE(DeleteAndNotify(path));
    EXPECT_EQ(path, fs::path(root.Path() / "A" / "B").wstring());
    EXPECT_FALSE(fs::exists(root.Path() / "A" / "B" / "x.lnk"));

    std::wstring missing = (root.Path() / "A" / "B" / "x.lnk").wstring();
    const std::wstring before = missing;
    EXPECT_FALSE(DeleteAndNotify(missing));
    EXPECT_EQ(missing, before);
}

TEST(ShellDelete, DeletesFilesAndWholeFolderTrees) {
    const TempFolder root;
    WriteBinaryFile(root.Path() / "file.txt", "text");
    fs::create_directories(root.Path() / "tree" / "inner" / "deeper");
    WriteBinaryFile(root.Path() / "tree" / "top.txt", "1");
    WriteBinaryFile(root.Path() / "tree" / "inner" / "deeper" / "leaf.bin", "22");
    fs::create_directories(root.Path() / "empty folder");

    for (const char* name : {"file.txt", "tree", "empty folder"}) {
        EXPECT_TRUE(ShellDelete((root.Path() / name).wstring())) << name;
        EXPECT_FALSE(fs::exists(root.Path() / name)) << name;
    }
    EXPECT_TRUE(fs::is_empty(root.Path()));
}

TEST(ShellDelete, RefusesMissingPathsAndTextsThatNameNoSingleFile) {
    const TempFolder root;
    WriteBinaryFile(root.Path() / "kept.txt", "kept");
    const std::wstring kept = (root.Path() / "kept.txt").wstring();
    const std::wstring cases[] = {
        (root.Path() / "missing.txt").wstring(),
        (root.Path() / "missing-folder" / "x").wstring(),
        L"",
        kept + std::wstring(1, L'\0') + L"suffix",  // would name kept.txt once cut at the NUL
        kept + std::wstring(1, L'\0'),
    };
    for (const std::wstring& path : cases) {
        EXPECT_FALSE(ShellDelete(path)) << fs::path(path.c_str());
    }
    EXPECT_EQ(ReadBinaryFile(root.Path() / "kept.txt"), "kept");
}

TEST(CreateShortcut, FailsIntoAMissingFolderAndWritesNothing) {
    const TempFolder root;
    const std::wstring linkName = std::wstring(L"Torvane") + std::wstring(kShortcutExtension);
    EXPECT_FALSE(
        CreateShortcut(root.Wide("game.exe"), L"1", root.Wide("missing"), linkName, false));
    EXPECT_FALSE(fs::exists(root.Path() / "missing"));
}

}  // namespace
