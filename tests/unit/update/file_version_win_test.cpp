#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/app_paths.h"
#include "deployment.h"
#include "temp_folder.h"
#include "update/file_version.h"

namespace {

std::wstring BesideThisProgram(const std::wstring& relative) {
    const std::wstring self = GetExecutablePath();
    return self.substr(0, self.find_last_of(L'\\') + 1) + relative;
}

TEST(FileVersion, ConcatenatesTheFileVersionOfEveryTranslationInTableOrder) {
    // The fixture lists 0804/04b0, 0409/04b0 and 0407/04e4 in its translation table but has
    // string blocks only for the first two (in the other order).
    EXPECT_EQ(GetFileVersionString(BesideThisProgram(L"version_fixture.exe")),
              L"3.0.0.2"
              L"2.0.0.1");
}

TEST(FileVersion, ReadsTheLauncherVersion) {
    EXPECT_EQ(GetFileVersionString(BesideThisProgram(L"" TORVANE_LAUNCHER_RELATIVE_PATH)),
              L"" TORVANE_FILE_VERSION_TEXT);
}

TEST(FileVersion, FilesWithoutVersionInformationAndMissingFiles) {
    const TempFolder folder;
    WriteBinaryFile(folder.Path() / "notes.txt", "1.2.3.4\r\n");
    const struct {
        std::wstring path;
        std::wstring expected;
    } cases[] = {
        {GetExecutablePath(), kNoFileVersionText},  // this test program has no version resource
        {folder.Wide("notes.txt"), kNoFileVersionText},
        {folder.Wide("missing.exe"), L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFileVersionString(c.path), c.expected) << std::filesystem::path(c.path);
    }
}

}  // namespace
