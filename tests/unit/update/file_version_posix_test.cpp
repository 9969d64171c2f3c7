#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/app_paths.h"
#include "deployment.h"
#include "temp_folder.h"
#include "update/file_version.h"

namespace {

const std::wstring kBuildVersion = L"" TORVANE_FILE_VERSION_TEXT;

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'/'));
}

TEST(FileVersion, ReadsTheVersionNoteOfOurOwnBinaries) {
    // This test program links the version record, as the launcher does.
    EXPECT_EQ(GetFileVersionString(GetExecutablePath()), kBuildVersion);
    EXPECT_EQ(GetFileVersionString(FolderOf(GetExecutablePath()) + L"/" +
                                   L"" TORVANE_LAUNCHER_RELATIVE_PATH),
              kBuildVersion);
}

TEST(FileVersion, FilesWithoutTheNoteAndMissingFiles) {
    const TempFolder folder;
    WriteBinaryFile(folder.Path() / "notes.txt", "1.2.3.4\n");
    ASSERT_EQ(::mkfifo((folder.Path() / "pipe").c_str(), 0600), 0);
    const struct {
        std::wstring path;
        std::wstring expected;
    } cases[] = {
        {L"/bin/sh", kNoFileVersionText},  // an ELF executable, but not one of ours
        {folder.Wide("notes.txt"), kNoFileVersionText},
        {folder.Path().wstring(), kNoFileVersionText},  // a folder
        {folder.Wide("pipe"), kNoFileVersionText},      // must not wait for a writer
        {folder.Wide("missing"), L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFileVersionString(c.path), c.expected) << std::filesystem::path(c.path);
    }
}

TEST(FileVersion, TruncatedCopiesOfOurOwnBinaryHaveNoVersion) {
    const std::string binary = ReadBinaryFile(std::filesystem::path(GetExecutablePath()));
    ASSERT_GT(binary.size(), 4096u);
    const TempFolder folder;
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{3}, std::size_t{16}, std::size_t{63}, std::size_t{64},
          std::size_t{4096}, binary.size() / 2, binary.size() - 1}) {
        WriteBinaryFile(folder.Path() / "cut", std::string_view(binary).substr(0, size));
        EXPECT_EQ(GetFileVersionString(folder.Wide("cut")), kNoFileVersionText) << size;
    }
    WriteBinaryFile(folder.Path() / "whole", binary);
    EXPECT_EQ(GetFileVersionString(folder.Wide("whole")), kBuildVersion);
}

}  // namespace
