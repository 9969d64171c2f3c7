// A file past 4 GiB, made sparse so that it costs no disk space: the digest must cover every
// byte, the last one included (a 32-bit size would lose it).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "temp_folder.h"
#include "update/file_md5.h"
#include "update/unique_fd_posix.h"

namespace {

constexpr std::uint64_t kFourGiB = std::uint64_t{1} << 32;
// md5sum of 4 GiB of zero bytes followed by one "x".
constexpr wchar_t kDigest[] = L"946005287ba386e1aa04031fcb20051d";

TEST(FileMd5, HashesASparseFileOfFourGiBAndOneByte) {
    const TempFolder folder;
    const auto path = folder.Path() / "large.bin";
    {
        const UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        ASSERT_TRUE(file);
        if (::pwrite(file.Get(), "x", 1, static_cast<off_t>(kFourGiB)) != 1) {
            GTEST_SKIP() << "the temporary file system refuses a file of this size";
        }
    }
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    ASSERT_EQ(static_cast<std::uint64_t>(info.st_size), kFourGiB + 1);
    if (static_cast<std::uint64_t>(info.st_blocks) * 512 > (std::uint64_t{1} << 20)) {
        GTEST_SKIP() << "the temporary file system does not keep the file sparse";
    }
    std::wstring text;
    ASSERT_TRUE(GetFileMd5(path.wstring(), text));
    EXPECT_EQ(text, kDigest);
}

}  // namespace
