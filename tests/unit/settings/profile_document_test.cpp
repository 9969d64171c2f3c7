// The Linux engine where it goes beyond the shared table: UTF-8 text, layout kept on edits,
// comments, damaged and huge files, file permissions.
#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "app/profile_document.h"
#include "app/profile_file.h"
#include "tests/unit/settings/settings_fixture.h"

namespace {

using namespace std::string_literals;

TEST(ProfileDocument, CommentLinesAreNeverKeys) {
    EXPECT_EQ(FindProfileValue("[S]\r\n;k=1\r\n  ; j=2\r\n", "S", ";k"), std::nullopt);
    EXPECT_EQ(FindProfileValue("[S]\r\n;k=1\r\n  ; j=2\r\n", "S", "; j"), std::nullopt);
}

TEST(ProfileDocument, NewKeyGoesAfterLastEntryBeforeCommentsAndBlankLines) {
    const std::string text = "; top\n[S]\r\nk=1\r\nflag\r\n; about T\r\n\r\n[T]\r\nk=2";
    EXPECT_EQ(SetProfileValue(text, "S", "n", "v"),
              "; top\n[S]\r\nk=1\r\nflag\r\nn=v\r\n; about T\r\n\r\n[T]\r\nk=2");
}

TEST(ProfileDocument, KeyWithoutValueIsGivenOne) {
    EXPECT_EQ(SetProfileValue("[S]\nflag\nk=1\n", "S", "FLAG", "on"), "[S]\nflag=on\nk=1\n");
}

TEST(ProfileDocument, WritingTwiceChangesNothingMore) {
    const auto once = SetProfileValue("[S]\nk=1\n", "T", "n", " v ");
    ASSERT_TRUE(once);
    EXPECT_EQ(SetProfileValue(*once, "T", "n", " v "), *once);
    EXPECT_EQ(FindProfileValue(*once, "t", "N"), "v");
}

TEST(ProfileDocument, CaseFoldingIsAsciiOnly) {
    const std::string text = "[R\xC3\xA9glages]\r\nCl\xC3\xA9=1\r\n";
    EXPECT_EQ(FindProfileValue(text, "r\xC3\xA9GLAGES", "cL\xC3\xA9"), "1");
    EXPECT_EQ(FindProfileValue(text, "R\xC3\x89GLAGES", "Cl\xC3\xA9"), std::nullopt);
}

TEST(ProfileDocument, NamesCountUpToTheirFirstNul) {
    const auto text = WriteProfileText(std::nullopt, L"S\0junk"s, L"k\0junk"s, L"v\0junk"s);
    EXPECT_EQ(text, "[S]\r\nk=v\r\n");
    EXPECT_EQ(ReadProfileText(*text, L"S\0x"s, L"k\0y"s, L"d", 260), L"v");
}

TEST(ProfileDocument, MegabyteLineKeepsOtherLines) {
    const std::string big(4 << 20, 'x');
    const std::string text = "[S]\r\nbig=" + big + "\r\nk=1\r\n[T]\r\n";
    EXPECT_EQ(FindProfileValue(text, "S", "k"), "1");
    EXPECT_EQ(ReadProfileText(text, L"S", L"big", L"d", 260), std::wstring(259, L'x'));
    EXPECT_EQ(SetProfileValue(text, "T", "n", "v"), text + "n=v\r\n");
    EXPECT_EQ(SetProfileValue(text, "S", "k", "2"), "[S]\r\nbig=" + big + "\r\nk=2\r\n[T]\r\n");
}

TEST(ProfileDocument, BinaryGarbageSurvivesAnEdit) {
    std::string garbage;
    for (int round = 0; round < 4; ++round) {
        for (int byte = 0; byte < 256; ++byte) {
            garbage += static_cast<char>(byte);
        }
    }
    const std::string text = garbage + "\n[S]\r\nk=1\r\n" + garbage;
    const auto edited = SetProfileValue(text, "S", "k", "2");
    ASSERT_TRUE(edited);
    EXPECT_EQ(*edited, garbage + "\n[S]\r\nk=2\r\n" + garbage);
}

TEST(ProfileFilePosix, Utf8RoundTrip) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "utf8.ini";
    const std::wstring value = L"v\u00E4rde \u4E2D\u6587 \U0001F600";
    ASSERT_TRUE(WriteProfileValue(L"R\u00E9glages", L"cl\u00E9", value, ToProfilePath(file)));
    EXPECT_EQ(ReadFileBytes(file),
              "[R\xC3\xA9glages]\r\ncl\xC3\xA9=v\xC3\xA4rde \xE4\xB8\xAD\xE6\x96\x87 "
              "\xF0\x9F\x98\x80\r\n");
    EXPECT_EQ(ReadProfileValue(L"r\u00E9glages", L"CL\u00E9", L"d", ToProfilePath(file)), value);
}

TEST(ProfileFilePosix, InvalidUtf8ReadsAsReplacementCharacters) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "bad.ini";
    WriteFileBytes(file, "[S]\r\nk=a\xFF\xC3\r\nj=2\r\n");
    EXPECT_EQ(ReadProfileValue(L"S", L"k", L"d", ToProfilePath(file)), L"a\uFFFD\uFFFD");
    EXPECT_EQ(ReadProfileValue(L"S", L"j", L"d", ToProfilePath(file)), L"2");
}

TEST(ProfileFilePosix, WriteKeepsPermissions) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "mode.ini";
    WriteFileBytes(file, "[S]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(WriteProfileValue(L"S", L"k", L"2", ToProfilePath(file)));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadFileBytes(file), "[S]\r\nk=2\r\n");
}

TEST(ProfileFilePosix, FolderInPlaceOfFile) {
    const TemporaryFolder folder;
    const std::wstring path = ToProfilePath(folder.Path());
    EXPECT_EQ(ReadProfileValue(L"S", L"k", L"d", path), L"d");
    EXPECT_FALSE(WriteProfileValue(L"S", L"k", L"v", path));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

}  // namespace
