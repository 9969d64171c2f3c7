// The removal stage on a real folder tree laid out as an installation leaves it, and the
// confirmation stage's answer "no".
#include "app/uninstall.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/app_paths.h"
#include "app/path_separator.h"
#include "install/install_system.h"
#include "install/shell_ops.h"
#include "tests/unit/app/app_paths_fixture.h"

namespace fs = std::filesystem;

namespace {

const std::wstring kSep(1, kPathSeparator);
const std::wstring kLink(kShortcutExtension);

fs::path Fs(const std::wstring& path) {
    return FsPathOf(path);
}

void Touch(const std::wstring& path) {
    std::ofstream(Fs(path)) << "x";
}

class UninstallTest : public testing::Test {
protected:
    void SetUp() override {
        ResetFolders();
        m_install = GetInstallFolder();
        m_exe = m_install + kSep + L"Torvane.exe";
        m_makerMenu = GetProgramsMenuFolder() + kSep + L"Kelmira";
        m_gameMenu = m_makerMenu + kSep + L"Torvane";
        m_desktopLink = GetDesktopFolder() + kSep + L"Kelmira《Torvane》" + kLink;

        fs::create_directories(Fs(m_install + kSep + L"res"));
        fs::create_directories(Fs(m_gameMenu));
        fs::create_directories(Fs(GetDesktopFolder()));
        Touch(m_exe);
        Touch(m_install + kSep + L"res" + kSep + L"systemset.ini");
        Touch(m_install + kSep + L"keep.txt");
        ASSERT_TRUE(CreateShortcut(m_exe, L"1", m_gameMenu, L"Torvane" + kLink, false));
        ASSERT_TRUE(CreateShortcut(m_exe, L"-u", m_gameMenu, L"卸载-Torvane" + kLink, true));
        ASSERT_TRUE(
            CreateShortcut(m_exe, L"1", GetDesktopFolder(), L"Kelmira《Torvane》" + kLink, false));
    }
    void TearDown() override { ResetFolders(); }

    void ResetFolders() {
        std::error_code ignored;
        fs::remove_all(Fs(GetInstallFolder()), ignored);
        fs::remove_all(Fs(GetProgramsMenuFolder() + kSep + L"Kelmira"), ignored);
        fs::remove(Fs(GetDesktopFolder() + kSep + L"Kelmira《Torvane》" + kLink), ignored);
    }

    bool Exists(const std::wstring& path) const { return fs::exists(Fs(path)); }

    std::wstring m_install, m_exe, m_makerMenu, m_gameMenu, m_desktopLink;
};

TEST_F(UninstallTest, RemovesWhatTheInstallationMade) {
    RunUninstallRemovalStage(m_exe);

    EXPECT_FALSE(Exists(m_exe));
    EXPECT_FALSE(Exists(m_install + kSep + L"res"));
    EXPECT_FALSE(Exists(m_desktopLink));
    EXPECT_FALSE(Exists(m_gameMenu));
    EXPECT_FALSE(Exists(m_makerMenu));
    // The folder that held the executable stays with whatever else it holds.
    EXPECT_TRUE(Exists(m_install + kSep + L"keep.txt"));
}

TEST_F(UninstallTest, MenuFoldersHoldingOtherFilesStay) {
    Touch(m_gameMenu + kSep + L"readme.txt");
    fs::create_directories(Fs(m_makerMenu + kSep + L"OtherGame"));

    RunUninstallRemovalStage(m_exe);

    EXPECT_FALSE(Exists(m_gameMenu + kSep + L"Torvane" + kLink));
    EXPECT_FALSE(Exists(m_gameMenu + kSep + L"卸载-Torvane" + kLink));
    EXPECT_TRUE(Exists(m_gameMenu + kSep + L"readme.txt"));
    EXPECT_TRUE(Exists(m_makerMenu + kSep + L"OtherGame"));
}

TEST_F(UninstallTest, WithShortcutsGoneStillRemovesTheProgram) {
    fs::remove_all(Fs(m_makerMenu));
    fs::remove(Fs(m_desktopLink));

    RunUninstallRemovalStage(m_exe);

    EXPECT_FALSE(Exists(m_exe));
    EXPECT_FALSE(Exists(m_install + kSep + L"res"));
}

TEST_F(UninstallTest, PathsWithBlanksAreTakenWhole) {
    const std::wstring spaced = m_install + kSep + L"Torvane Launcher.exe";
    Touch(spaced);
    RunUninstallRemovalStage(spaced);
    EXPECT_FALSE(Exists(spaced));
    EXPECT_TRUE(Exists(m_exe));  // only the file named
}

TEST_F(UninstallTest, FilesOutsideTheInstallFolderAreNeverDeleted) {
    const std::wstring elsewhere = GetAppDataFolder() + kSep + L"elsewhere";
    fs::create_directories(Fs(elsewhere + kSep + L"res"));
    Touch(elsewhere + kSep + L"other.exe");

    RunUninstallRemovalStage(elsewhere + kSep + L"other.exe");

    EXPECT_TRUE(Exists(elsewhere + kSep + L"other.exe"));
    EXPECT_TRUE(Exists(elsewhere + kSep + L"res"));
    EXPECT_FALSE(Exists(m_gameMenu));  // the launcher's own shortcuts go all the same
    fs::remove_all(Fs(elsewhere));
}

TEST_F(UninstallTest, NoInTheQuestionChangesNothing) {
    std::wstring asked;
    RunUninstallConfirmationStage([&](const std::wstring& title, const std::wstring& text) {
        asked = title + L"|" + text;
        return false;
    });
    EXPECT_EQ(asked, L"卸载|您是否确认卸载《Torvane》？");
    EXPECT_FALSE(Exists(GetCacheFolder() + kSep + L"q5kqztmpu.exe"));
    EXPECT_TRUE(Exists(m_exe));
    EXPECT_TRUE(Exists(m_gameMenu + kSep + L"Torvane" + kLink));
}

}  // namespace
