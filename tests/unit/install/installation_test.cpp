// The installation pass for real: stand-in launchers of three versions, all named like the
// launcher, run as separate processes against a user of their own; the test then reads the files,
// menu entries, uninstall entry and profile they left.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/app_paths.h"
#include "app/path_separator.h"
#include "install/installation.h"
#include "install/shell_ops.h"
#include "tests/unit/install/install_probe.h"

namespace {

const std::wstring kSep(1, kPathSeparator);

constexpr char kDefaultSettings[] =
    "[Info]\r\ncode=\r\npwd=\r\nrem=1\r\n[Setting]\r\nsoundoff=0\r\nautostart=0\r\nautologin=0\r\n"
    "screenshots=Ctrl+Shift+A\r\nscreentoggle=F10\r\nfullscreen=F11\r\n[Start]\r\nfirststart=1\r\n";
// The default file after the first start: the marker at the end of [Setting], firststart cleared.
constexpr char kInstalledSettings[] =
    "[Info]\r\ncode=\r\npwd=\r\nrem=1\r\n[Setting]\r\nsoundoff=0\r\nautostart=0\r\nautologin=0\r\n"
    "screenshots=Ctrl+Shift+A\r\nscreentoggle=F10\r\nfullscreen=F11\r\nstart=1001\r\n"
    "[Start]\r\nfirststart=0\r\n";

std::string ReadBytes(const std::wstring& path) {
    std::ifstream file(FsPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream file(FsPath(path), std::ios::binary | std::ios::trunc);
    file << bytes;
}

class InstallationTest : public testing::Test {
protected:
    void SetUp() override { ResetUserState(); }

    std::wstring InstallFolder() const {
        return GetAppDataFolder() + kSep + L"vantro" + kSep + L"vantro";
    }
    std::wstring Installed(const std::wstring& name) const { return InstallFolder() + kSep + name; }
    std::wstring Resource(const std::wstring& name) const {
        return InstallFolder() + kSep + L"res" + kSep + name;
    }
    std::wstring InstalledExe() const {
        return Installed(FsPath(RunnerPath(1)).filename().wstring());
    }
    std::wstring MenuEntry(const std::wstring& name) const {
        return MenuFolder() + kSep + name + std::wstring(kShortcutExtension);
    }
    static std::wstring MenuFolder() {
        return ProgramsMenuProbe() + kSep + L"Kelmira" + kSep + L"Torvane";
    }

    void Run(int minor) { ASSERT_EQ(RunProgram(RunnerPath(minor)), 0) << "runner 1.0.0." << minor; }
};

TEST(VersionNumberTest, DigitStringsNotTuples) {
    const std::pair<const wchar_t*, long> cases[] = {
        {L"1.0.0.1", 1001},           {L"1.0.10.2", 10102},   {L"1.1.0.0", 1100}, {L"", 0},
        {L"None VerSion Supprot", 0}, {L"2.0.0.1beta", 2001}, {L"..7", 7},        {L"-1.0", -10},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(VersionNumberOf(text), number) << testing::PrintToString(std::wstring(text));
    }
    EXPECT_GT(VersionNumberOf(L"1.0.10.2"), VersionNumberOf(L"1.1.0.0"));
}

TEST_F(InstallationTest, FirstStartInstallsEverything) {
    Run(1);

    EXPECT_EQ(ReadBytes(InstalledExe()), ReadBytes(RunnerPath(1)));
    EXPECT_EQ(ReadBytes(Resource(L"systemset.ini")), kInstalledSettings);
    const std::string icon = ReadBytes(Resource(L"uninstall.ico"));
    EXPECT_EQ(icon.size(), 1150u);
    EXPECT_EQ(icon.substr(0, 6), std::string("\0\0\1\0\1\0", 6));

    const auto game = ReadShortcut(MenuEntry(L"Torvane"));
    ASSERT_TRUE(game.has_value());
    EXPECT_EQ(game->target, InstalledExe());
    EXPECT_EQ(game->arguments, L"1");
    const auto uninstall = ReadShortcut(MenuEntry(L"卸载-Torvane"));
    ASSERT_TRUE(uninstall.has_value());
    EXPECT_EQ(uninstall->target, InstalledExe());
    EXPECT_EQ(uninstall->arguments, L"-u");
    EXPECT_EQ(uninstall->iconPath, Resource(L"uninstall.ico"));

    if (HasUninstallRegister()) {
        const auto entry = ReadUninstallEntry();
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(entry->path, InstalledExe());
        EXPECT_EQ(entry->displayName, L"Torvane");
        EXPECT_EQ(entry->publisher, L"Kelmira");
        EXPECT_EQ(entry->uninstallString, InstalledExe() + L" -u");
    }
    EXPECT_EQ(ReadProfileProbe(L"Path"), InstalledExe());
    EXPECT_EQ(ReadProfileProbe(L"DisplayName"), L"Torvane");
    EXPECT_EQ(ReadProfileProbe(L"Publisher"), L"Kelmira");
    EXPECT_EQ(ReadProfileProbe(L"UninstallString"), InstalledExe() + L" -u");
}

TEST_F(InstallationTest, SecondStartOnlyRewritesTheShortcuts) {
    Run(1);
    // Marks that a second pass must leave alone, and a shortcut it must bring back.
    WriteBytes(Resource(L"uninstall.ico"), "user's icon");
    WriteBytes(Installed(L"data.zip"), "leftover");
    if (HasUninstallRegister()) {
        ASSERT_TRUE(WriteUninstallEntryValue(L"DisplayName", L"Edited"));
    }
    std::filesystem::remove(FsPath(MenuEntry(L"Torvane")));

    ASSERT_EQ(RunProgram(InstalledExe()), 0);

    EXPECT_EQ(ReadBytes(Resource(L"uninstall.ico")), "user's icon");  // no extraction
    EXPECT_EQ(ReadBytes(Installed(L"data.zip")), "leftover");  // deleted only when extracting
    EXPECT_EQ(ReadBytes(InstalledExe()), ReadBytes(RunnerPath(1)));
    EXPECT_EQ(ReadBytes(Resource(L"systemset.ini")), kInstalledSettings);
    EXPECT_TRUE(ReadShortcut(MenuEntry(L"Torvane")).has_value());
    if (HasUninstallRegister()) {
        EXPECT_EQ(ReadUninstallEntry()->displayName, L"Edited");
    }
}

TEST_F(InstallationTest, NewerVersionReplacesOlderDoesNot) {
    Run(1);
    WriteBytes(Resource(L"systemset.ini"), std::string(kInstalledSettings) + "[Mine]\r\nx=1\r\n");

    Run(2);
    EXPECT_EQ(ReadBytes(InstalledExe()), ReadBytes(RunnerPath(2)));
    EXPECT_EQ(ReadBytes(Resource(L"systemset.ini")),
              std::string(kInstalledSettings) + "[Mine]\r\nx=1\r\n");

    Run(0);
    EXPECT_EQ(ReadBytes(InstalledExe()), ReadBytes(RunnerPath(2)));
}

TEST_F(InstallationTest, ReExtractionKeepsTheUsersSettings) {
    Run(1);
    // The marker gone: the next pass extracts again, but only what is missing or not settings.
    std::string edited = kDefaultSettings;
    edited.replace(edited.find("screentoggle=F10"), 16, "screentoggle=F9");
    WriteBytes(Resource(L"systemset.ini"), edited);
    std::filesystem::remove(FsPath(Resource(L"uninstall.ico")));
    WriteBytes(Installed(L"data.zip"), "leftover");

    Run(1);

    EXPECT_EQ(ReadBytes(Resource(L"uninstall.ico")).size(), 1150u);
    EXPECT_FALSE(std::filesystem::exists(FsPath(Installed(L"data.zip"))));
    const std::string settings = ReadBytes(Resource(L"systemset.ini"));
    EXPECT_NE(settings.find("screentoggle=F9\r\n"), std::string::npos);
    EXPECT_NE(settings.find("start=1001\r\n"), std::string::npos);
}

TEST_F(InstallationTest, ExistingUninstallEntryIsLeftUntouched) {
    if (!HasUninstallRegister()) {
        GTEST_SKIP() << "no Add/Remove Programs register on this platform";
    }
    ASSERT_TRUE(WriteUninstallEntryValue(L"Path", L"C:\\Other\\launcher.exe"));
    Run(1);
    const auto entry = ReadUninstallEntry();
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->path, L"C:\\Other\\launcher.exe");
    EXPECT_EQ(entry->displayName, L"<missing>");
    // The profile is written all the same.
    EXPECT_EQ(ReadProfileProbe(L"Path"), InstalledExe());
}

}  // namespace
