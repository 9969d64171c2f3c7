// Open, Close and the end record: where the reader finds an archive and where it refuses one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/zip_archive.h"
#include "zip_test_builder.h"
#include "zip_test_folder.h"
#include "zip_test_support.h"

namespace {

std::vector<CraftedEntry> TwoEntries() {
    CraftedEntry first = CraftedEntry("first.txt", "first entry\n");
    CraftedEntry second = CraftedEntry("second.txt", std::string(5000, 's')).Method(8);
    return {first, second};
}

TEST(ZipOpen, OpensAPlainArchiveAndCountsItsEntries) {
    OpenedZip zip(BuildZip(TwoEntries()));
    ASSERT_EQ(zip.OpenResult(), kZipOk);
    EXPECT_EQ(EntryAt(zip.Archive(), -1).index, 2);
    EXPECT_EQ(std::wstring(EntryAt(zip.Archive(), 1).name), L"second.txt");
}

TEST(ZipOpen, FindsTheEndRecordBehindALongComment) {
    OpenedZip zip(BuildZip(TwoEntries(), std::string(2000, 'c')));
    ASSERT_EQ(zip.OpenResult(), kZipOk);
    EXPECT_EQ(EntryAt(zip.Archive(), -1).index, 2);
}

// The search covers the last 65535 bytes; a record with the longest comment starts before them.
TEST(ZipOpen, EndRecordBeforeTheSearchSpanIsNotFound) {
    OpenedZip zip(BuildZip(TwoEntries(), std::string(65535, 'c')));
    EXPECT_EQ(zip.OpenResult(), kZipCannotOpen);
}

TEST(ZipOpen, BytesInFrontShiftEveryOffset) {
    const std::string prefix = "MZ" + std::string(3000, '\x90');
    OpenedZip zip(BuildZip(TwoEntries(), "", prefix));
    ASSERT_EQ(zip.OpenResult(), kZipOk);
    ZipTestFolder folder;
    zip.Archive().SetBaseFolder(folder.BaseText());
    ASSERT_EQ(zip.Archive().ExtractEntry(1, L"second.txt"), kZipOk);
    EXPECT_EQ(ReadFileBytes(folder.Base() / "second.txt"), std::string(5000, 's'));
}

TEST(ZipOpen, EmptyArchiveHasNoEntries) {
    OpenedZip zip(BuildZip({}));
    ASSERT_EQ(zip.OpenResult(), kZipOk);
    EXPECT_EQ(EntryAt(zip.Archive(), -1).index, 0);
    ZipEntryInfo info;
    EXPECT_EQ(zip.Archive().GetEntry(0, info), kZipBadArgument);
}

std::string WithEndField(std::size_t offset, std::uint32_t value, int width) {
    std::string bytes = BuildZip(TwoEntries());
    const std::size_t at = EndRecordAt(bytes) + offset;
    width == 2 ? PatchU16(bytes, at, static_cast<std::uint16_t>(value))
               : PatchU32(bytes, at, value);
    return bytes;
}

TEST(ZipOpen, RefusesWhatHoldsNoUsableEndRecord) {
    const std::string archive = BuildZip(TwoEntries());
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"signature only", std::string("PK\x05\x06", 4)},
        {"record cut short", archive.substr(archive.size() - 21)},
        {"not an archive", std::string(4096, 'x')},
        {"this disk not 0", WithEndField(4, 1, 2)},
        {"directory disk not 0", WithEndField(6, 1, 2)},
        {"entries on disk differ from total", WithEndField(8, 1, 2)},
        {"directory runs into the record", WithEndField(12, 0xFFFF, 4)},
        {"directory offset past the record", WithEndField(16, 0x7FFFFFFF, 4)},
        // The signature nearest the end wins, even inside a comment, and this one is no record.
        {"false signature in the comment",
         BuildZip(TwoEntries(), std::string("PK\x05\x06", 4) + std::string(18, '\x01'))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OpenedZip zip(c.bytes);
        EXPECT_EQ(zip.OpenResult(), kZipCannotOpen);
        ZipEntryInfo info;
        EXPECT_EQ(zip.Archive().GetEntry(-1, info), kZipBadArgument);
    }
    ZipArchive archiveOfNothing;
    EXPECT_EQ(archiveOfNothing.Open(nullptr, 100), kZipCannotOpen);
}

TEST(ZipOpen, SecondOpenIsRefusedAndTheFirstArchiveStays) {
    OpenedZip zip(BuildZip(TwoEntries()));
    const std::string other = BuildZip({CraftedEntry("other.txt", "x")});
    EXPECT_EQ(zip.Archive().Open(other.data(), other.size()), kZipAlreadyOpen);
    EXPECT_EQ(EntryAt(zip.Archive(), -1).index, 2);
    EXPECT_EQ(std::wstring(EntryAt(zip.Archive(), 0).name), L"first.txt");

    EXPECT_EQ(zip.Archive().Close(), kZipOk);
    ASSERT_EQ(zip.Archive().Open(other.data(), other.size()), kZipOk);
    EXPECT_EQ(std::wstring(EntryAt(zip.Archive(), 0).name), L"other.txt");
}

TEST(ZipOpen, CallsWithoutAnArchiveFail) {
    ZipArchive archive;
    ZipEntryInfo info;
    EXPECT_EQ(archive.GetEntry(-1, info), kZipBadArgument);
    EXPECT_EQ(archive.ExtractEntry(0, L"x"), kZipBadArgument);
    EXPECT_EQ(archive.Close(), kZipOk);

    const std::string bytes = BuildZip(TwoEntries());
    ASSERT_EQ(archive.Open(bytes.data(), bytes.size()), kZipOk);
    ASSERT_EQ(archive.GetEntry(0, info), kZipOk);
    EXPECT_EQ(archive.Close(), kZipOk);
    EXPECT_EQ(archive.GetEntry(0, info), kZipBadArgument);
    EXPECT_EQ(archive.GetEntry(-1, info), kZipBadArgument);
    EXPECT_EQ(archive.ExtractEntry(0, L"first.txt"), kZipBadArgument);
    EXPECT_EQ(archive.Close(), kZipOk);
}

}  // namespace
