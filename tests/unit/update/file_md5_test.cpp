#include "update/file_md5.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/path_separator.h"
#include "temp_folder.h"

namespace {

constexpr std::size_t kTwoMiB = std::size_t{2} << 20;
constexpr std::size_t kSeveralChunksAndABit = kTwoMiB + 12345;
static_assert(kTwoMiB % kMd5ChunkSize == 0, "an exact multiple of the chunk size");
static_assert(kSeveralChunksAndABit > 2 * kMd5ChunkSize, "spans more than two chunks");

// Bytes that differ from chunk to chunk, so a skipped or repeated chunk changes the digest.
std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + (i >> 11)) % 251);
    }
    return bytes;
}

struct DigestCase {
    const char* name;
    std::string contents;
    std::wstring digest;  // md5sum of the same bytes
};

TEST(FileMd5, MatchesKnownDigests) {
    const DigestCase cases[] = {
        {"empty", "", L"d41d8cd98f00b204e9800998ecf8427e"},
        {"abc", "abc", L"900150983cd24fb0d6963f7d28e17f72"},
        {"rfc", "message digest", L"f96b697d7cb7938d525a2f31aaf161d0"},
        {"exact-chunks", Pattern(kTwoMiB), L"7a8b329e7b83745e37699358f64fa4e4"},
        {"several-chunks", Pattern(kSeveralChunksAndABit), L"08b28aa653280f36ef716ab0c7e64dbd"},
    };
    const TempFolder folder;
    for (const DigestCase& c : cases) {
        WriteBinaryFile(folder.Path() / c.name, c.contents);
        std::wstring text;
        EXPECT_TRUE(GetFileMd5(folder.Wide(c.name), text)) << c.name;
        EXPECT_EQ(text, c.digest) << c.name;
    }
}

TEST(FileMd5, AppendsToTheGivenText) {
    const TempFolder folder;
    WriteBinaryFile(folder.Path() / "abc", "abc");
    std::wstring text = L"md5=";
    ASSERT_TRUE(GetFileMd5(folder.Wide("abc"), text));
    EXPECT_EQ(text, L"md5=900150983cd24fb0d6963f7d28e17f72");
}

TEST(FileMd5, ReadsFilesWithNonAsciiNames) {
    const TempFolder folder;
    WriteBinaryFile(folder.Path() / std::filesystem::path(u8"\u7248\u672C.bin"), "abc");
    std::wstring text;
    ASSERT_TRUE(GetFileMd5(folder.Path().wstring() + kPathSeparator + L"\x7248\x672C.bin", text));
    EXPECT_EQ(text, L"900150983cd24fb0d6963f7d28e17f72");
}

TEST(FileMd5, FailsForAMissingFileAndForAFolder) {
    const TempFolder folder;
    std::wstring text;
    EXPECT_FALSE(GetFileMd5(folder.Wide("missing.exe"), text));
    EXPECT_FALSE(GetFileMd5(folder.Path().wstring(), text));
    EXPECT_EQ(text, L"");
}

}  // namespace
