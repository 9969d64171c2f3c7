#include "app/app_paths.h"

#include <gtest/gtest.h>

#include "app/path_separator.h"
#include "tests/unit/app/app_paths_fixture.h"

namespace {

const std::wstring kSep(1, kPathSeparator);

TEST(AppPathsTest, UserDataFolderIsAppDataPlusTwoMakerLevels) {
    const std::wstring appData = ExpectedAppDataFolder();
    ASSERT_FALSE(appData.empty());
    EXPECT_NE(appData.back(), kPathSeparator);
    EXPECT_EQ(GetUserDataFolder(), appData + kSep + L"vantro" + kSep + L"vantro" + kSep);
}

TEST(AppPathsTest, UserDataFolderIsComputedOnce) {
    const std::wstring first = GetUserDataFolder();
    ChangeAppDataEnvironment();
    EXPECT_EQ(GetUserDataFolder(), first);
}

TEST(AppPathsTest, EveryPathHangsOffTheUserDataFolder) {
    const std::wstring data = GetUserDataFolder();
    const std::wstring install = data.substr(0, data.size() - 1);
    EXPECT_EQ(GetInstallFolder(), install);
    EXPECT_EQ(GetResourceFolder(), install + kSep + L"res");
    EXPECT_EQ(GetSettingsFilePath(), data + L"res//systemset.ini");
    EXPECT_EQ(GetUpdateLogPath(), data + L"res" + kSep + L"update.log");
    EXPECT_EQ(GetLeftoverArchivePath(), install + kSep + L"data.zip");
    EXPECT_EQ(GetInstalledExecutablePath(), install + kSep + FileNameOfPath(GetExecutablePath()));
    EXPECT_EQ(GetCacheFolder(), ExpectedCacheFolder());
}

TEST(AppPathsTest, ExecutablePathNamesThisTestProgram) {
    const std::wstring path = GetExecutablePath();
    EXPECT_NE(path.find(L"app_tests"), std::wstring::npos);
    EXPECT_EQ(FileNameOfPath(path).find(kPathSeparator), std::wstring::npos);
}

TEST(AppPathsTest, FileNameOfPathTakesTheLastPart) {
    EXPECT_EQ(FileNameOfPath(kSep + L"a" + kSep + L"b.exe"), L"b.exe");
    EXPECT_EQ(FileNameOfPath(L"b.exe"), L"b.exe");
    EXPECT_EQ(FileNameOfPath(L"a" + kSep), L"");
    EXPECT_EQ(FileNameOfPath(L""), L"");
}

}  // namespace
