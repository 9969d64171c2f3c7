// ExtractEntry: files and folders under the base folder, attributes and times on disk, and every
// way an extraction is refused or fails without leaving anything behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/path_separator.h"
#include "install/zip_archive.h"
#include "zip_test_builder.h"
#include "zip_test_disk.h"
#include "zip_test_folder.h"
#include "zip_test_support.h"

namespace {

namespace fs = std::filesystem;

std::string Text(std::size_t size) {
    std::string text;
    for (std::size_t i = 0; text.size() < size; ++i) {
        text += "line " + std::to_string(i) + " of some text that deflates well\n";
    }
    text.resize(size);
    return text;
}

// An archive opened with its base folder in a fresh test folder.
class ZipExtractTest : public testing::Test {
protected:
    void Open(const std::vector<CraftedEntry>& entries) {
        m_zip.emplace(BuildZip(entries));
        ASSERT_EQ(m_zip->OpenResult(), kZipOk);
        ASSERT_EQ(Archive().SetBaseFolder(m_folder.BaseText()), kZipOk);
    }
    ZipArchive& Archive() { return m_zip->Archive(); }
    // Extracts every entry to its own name; the results in order.
    std::vector<ZipResult> ExtractAll() {
        std::vector<ZipResult> results;
        const int count = EntryAt(Archive(), -1).index;
        for (int i = 0; i < count; ++i) {
            ZipEntryInfo info;
            const ZipResult got = Archive().GetEntry(i, info);
            results.push_back(got != kZipOk ? got : Archive().ExtractEntry(i, info.name));
        }
        return results;
    }
    void ExpectNothingWritten() {
        EXPECT_TRUE(m_folder.BaseListing().empty());
        EXPECT_EQ(m_folder.OuterListing(), std::vector<std::string>{"base"});
    }

    ZipTestFolder m_folder;
    std::optional<OpenedZip> m_zip;
};

TEST_F(ZipExtractTest, ExtractsFilesAndFoldersUnderTheBaseFolder) {
    const std::string big = Text(100000);
    Open({
        CraftedEntry("top.txt", "stored at the top\n"),
        CraftedEntry("a/b/", "").Attributes(0x10),
        CraftedEntry("a/b/c/deep.txt", big).Method(8),
        CraftedEntry("x\\y\\backslashed.txt", "separators of Windows\n"),
        CraftedEntry("empty-stored.bin", ""),
        CraftedEntry("empty-deflated.bin", "").Method(8),
        CraftedEntry("lone/", "").Attributes(0x10),
        CraftedEntry("unix-dir/", "").MadeBy(0x0314).Attributes(0x41ED0000),
    });
    EXPECT_EQ(ExtractAll(), std::vector<ZipResult>(8, kZipOk));
    const fs::path base = m_folder.Base();
    EXPECT_EQ(ReadFileBytes(base / "top.txt"), "stored at the top\n");
    EXPECT_EQ(ReadFileBytes(base / "a/b/c/deep.txt"), big);
    EXPECT_EQ(ReadFileBytes(base / "x/y/backslashed.txt"), "separators of Windows\n");
    const std::vector<std::string> expected = {"a/",
                                               "a/b/",
                                               "a/b/c/",
                                               "a/b/c/deep.txt",
                                               "empty-deflated.bin",
                                               "empty-stored.bin",
                                               "lone/",
                                               "top.txt",
                                               "unix-dir/",
                                               "x/",
                                               "x/y/",
                                               "x/y/backslashed.txt"};
    EXPECT_EQ(m_folder.BaseListing(), expected);
    EXPECT_EQ(fs::file_size(base / "empty-deflated.bin"), 0u);
    EXPECT_EQ(m_folder.OuterListing(), std::vector<std::string>{"base"});
}

// Open makes the current folder the base folder.
TEST(ZipCurrentFolder, IsTheBaseFolderUntilOneIsSet) {
    ZipTestFolder folder;
    const fs::path previous = fs::current_path();
    fs::current_path(folder.Base());
    OpenedZip zip(BuildZip({CraftedEntry("here.txt", "in the current folder")}));
    const ZipResult result = zip.Archive().ExtractEntry(0, L"here.txt");
    fs::current_path(previous);
    EXPECT_EQ(result, kZipOk);
    EXPECT_EQ(ReadFileBytes(folder.Base() / "here.txt"), "in the current folder");
}

TEST_F(ZipExtractTest, TargetNeedNotBeTheEntryName) {
    Open({CraftedEntry("name.txt", "payload")});
    ASSERT_EQ(Archive().ExtractEntry(0, L"renamed/other.txt"), kZipOk);
    EXPECT_EQ(ReadFileBytes(m_folder.Base() / "renamed/other.txt"), "payload");
}

TEST_F(ZipExtractTest, SetsAttributesAndTimesOnDisk) {
    const std::string stamp = ExtendedTimestampBlock(1600000000, 1600000100);
    Open({
        CraftedEntry("ro.txt", "read-only").Attributes(0x21),
        CraftedEntry("rw.txt", "writable").MadeBy(0x0314).Attributes(0x81A40000).LocalExtra(stamp),
    });
    EXPECT_EQ(ExtractAll(), std::vector<ZipResult>(2, kZipOk));
    const fs::path ro = m_folder.Base() / "ro.txt";
    const fs::path rw = m_folder.Base() / "rw.txt";
    EXPECT_TRUE(IsReadOnlyOnDisk(ro));
    EXPECT_FALSE(IsReadOnlyOnDisk(rw));
    const std::uint64_t dos = LocalToFileTime(2020, 5, 6, 7, 8, 10);
    EXPECT_EQ(WriteTimeOnDisk(ro), dos);
    EXPECT_EQ(AccessTimeOnDisk(ro), dos);
    EXPECT_EQ(WriteTimeOnDisk(rw), UnixToFileTime(1600000000));
    EXPECT_EQ(AccessTimeOnDisk(rw), UnixToFileTime(1600000100));
    EXPECT_EQ(ReadFileBytes(ro), "read-only");
}

TEST_F(ZipExtractTest, ReplacesAWritableFileButNotAReadOnlyOne) {
    Open({CraftedEntry("f.txt", "new contents"), CraftedEntry("locked.txt", "new contents")});
    WriteFileBytes(m_folder.Base() / "f.txt", "old contents, longer than the new ones");
    WriteFileBytes(m_folder.Base() / "locked.txt", "kept");
    MakeReadOnlyOnDisk(m_folder.Base() / "locked.txt");
    EXPECT_EQ(ExtractAll(), (std::vector<ZipResult>{kZipOk, kZipCannotOpen}));
    EXPECT_EQ(ReadFileBytes(m_folder.Base() / "f.txt"), "new contents");
    EXPECT_EQ(ReadFileBytes(m_folder.Base() / "locked.txt"), "kept");
}

TEST_F(ZipExtractTest, ReadOnlyEntryCannotBeExtractedTwice) {
    Open({CraftedEntry("ro.txt", "once").Attributes(0x01)});
    EXPECT_EQ(Archive().ExtractEntry(0, L"ro.txt"), kZipOk);
    EXPECT_EQ(Archive().ExtractEntry(0, L"ro.txt"), kZipCannotOpen);
    EXPECT_EQ(ReadFileBytes(m_folder.Base() / "ro.txt"), "once");
}

// A damaged stored entry is written as read: no CRC is compared.
TEST_F(ZipExtractTest, CrcIsNotCompared) {
    CraftedEntry entry = CraftedEntry("crc.txt", "original");
    entry.packedData = "damaged!";
    Open({entry});
    EXPECT_EQ(Archive().ExtractEntry(0, L"crc.txt"), kZipOk);
    EXPECT_EQ(ReadFileBytes(m_folder.Base() / "crc.txt"), "damaged!");
}

TEST_F(ZipExtractTest, FolderEntryWhereAFileStandsFails) {
    Open({CraftedEntry("x/", "").Attributes(0x10)});
    WriteFileBytes(m_folder.Base() / "x", "a file");
    EXPECT_EQ(Archive().ExtractEntry(0, L"x/"), kZipCannotOpen);
}

TEST_F(ZipExtractTest, CreatesAMissingBaseFolderButNotItsParent) {
    Open({CraftedEntry("f.txt", "x")});
    ASSERT_EQ(Archive().SetBaseFolder((m_folder.Base() / "new").wstring()), kZipOk);
    EXPECT_EQ(Archive().ExtractEntry(0, L"f.txt"), kZipOk);
    EXPECT_EQ(ReadFileBytes(m_folder.Base() / "new/f.txt"), "x");

    ASSERT_EQ(Archive().SetBaseFolder((m_folder.Base() / "missing/deeper").wstring()), kZipOk);
    EXPECT_EQ(Archive().ExtractEntry(0, L"f.txt"), kZipCannotOpen);
    EXPECT_FALSE(fs::exists(m_folder.Base() / "missing"));
}

// Nothing is written outside the base folder: every such target is refused before anything
// is created.
TEST_F(ZipExtractTest, RefusesTargetsOutsideTheBaseFolder) {
    Open({CraftedEntry("f.txt", "payload"), CraftedEntry("d/", "").Attributes(0x10)});
    const std::wstring targets[] = {
        L"../x.txt",
        L"..\\x.txt",
        L"a/../../b.txt",
        L"../y/z.ini",
        L"a/../b.txt",
        L"..",
        L"/abs.txt",
        L"\\abs.txt",
        L"C:x.txt",
        L"C:\\x.txt",
        L"c:/x.txt",
        L"\\\\server\\share\\x.txt",
        L"//server/share/x.txt",
        L"a/.../b.txt",
        L"a/.. /b.txt",
        L". ./b.txt",
        L"",
        L"dir/",
        std::wstring(L"a\0b", 3),
    };
    for (const std::wstring& target : targets) {
        EXPECT_EQ(Archive().ExtractEntry(0, target), kZipCannotOpen) << PathFromWide(target);
    }
    for (const wchar_t* folder : {L"../up/", L"/abs/", L"C:\\d\\", L"a/../../d/"}) {
        EXPECT_EQ(Archive().ExtractEntry(1, folder), kZipCannotOpen) << PathFromWide(folder);
    }
    ExpectNothingWritten();
}

TEST_F(ZipExtractTest, EntryNamesThatClimbOutAreRefused) {
    Open({CraftedEntry("../x.txt", "x"), CraftedEntry("a/../../b.txt", "x"),
          CraftedEntry("/x/../../y/z.ini", "x"), CraftedEntry("..\\w.txt", "x"),
          CraftedEntry("../d/", "").Attributes(0x10)});
    EXPECT_EQ(ExtractAll(), std::vector<ZipResult>(5, kZipCannotOpen));
    ExpectNothingWritten();
}

// The output path (base folder, its separator, the target) may have 259 characters.
TEST_F(ZipExtractTest, OutputPathsLongerThan259CharactersAreRefused) {
    Open({CraftedEntry("f.txt", "x"), CraftedEntry("d/", "").Attributes(0x10)});
    const std::size_t room = 259 - m_folder.BaseText().size() - 1;
    ASSERT_GT(room, 20u) << "temporary folder too deep for this test";
    const std::wstring fits = L"sub/" + std::wstring(room - 4, L'f');
    const std::wstring tooLong = fits + L"g";
    EXPECT_EQ(Archive().ExtractEntry(0, tooLong), kZipCannotOpen);
    EXPECT_EQ(Archive().ExtractEntry(1, tooLong + L"/"), kZipCannotOpen);
    ExpectNothingWritten();
    EXPECT_EQ(Archive().ExtractEntry(0, fits), kZipOk);
    EXPECT_EQ(ReadFileBytes(m_folder.Base() / PathFromWide(fits)), "x");
}

TEST(ZipBaseFolder, MustFit259CharactersWithItsSeparator) {
    ZipArchive archive;
    EXPECT_EQ(archive.SetBaseFolder(std::wstring(258, L'b')), kZipOk);
    EXPECT_EQ(archive.SetBaseFolder(std::wstring(258, L'b') + L"/"), kZipOk);
    EXPECT_EQ(archive.SetBaseFolder(std::wstring(258, L'b') + kPathSeparator), kZipOk);
    EXPECT_EQ(archive.SetBaseFolder(std::wstring(259, L'b')), kZipBadArgument);
    EXPECT_EQ(archive.SetBaseFolder(L""), kZipBadArgument);
    EXPECT_EQ(archive.SetBaseFolder(std::wstring(L"a\0b", 3)), kZipBadArgument);
}

// Data that is damaged, ends early or does not come to the declared size fails, and the file is
// removed again (or never made).
TEST_F(ZipExtractTest, DataThatDoesNotMatchItsHeadersFails) {
    const std::string big = Text(100000);
    const std::string packed = Deflate(big);
    const auto entry = [&](const char* name, auto damage) {
        CraftedEntry e = CraftedEntry(name, big).Method(8);
        damage(e);
        return e;
    };
    Open({
        entry("stored-ends-early",
              [](CraftedEntry& e) {
                  e.method = 0;
                  e.uncompressedSize = 100001;
              }),
        entry("stored-longer-than-size",
              [](CraftedEntry& e) {
                  e.method = 0;
                  e.uncompressedSize = 99999;
              }),
        entry("stored-past-the-buffer",
              [](CraftedEntry& e) {
                  e.method = 0;
                  e.compressedSize = e.uncompressedSize = 0x7FFFFFF0;
              }),
        entry("deflated-size-too-large", [](CraftedEntry& e) { e.uncompressedSize = 100001; }),
        entry("deflated-size-too-small", [](CraftedEntry& e) { e.uncompressedSize = 99999; }),
        entry("deflated-cut-short",
              [&](CraftedEntry& e) { e.packedData = packed.substr(0, packed.size() / 2); }),
        entry("deflated-garbage",
              [&](CraftedEntry& e) {
                  e.packedData = packed.substr(0, 200) + std::string(packed.size() - 200, '\xFF');
              }),
        entry("deflated-past-the-buffer", [](CraftedEntry& e) { e.compressedSize = 0x7FFFFFF0; }),
    });
    EXPECT_EQ(ExtractAll(), std::vector<ZipResult>(8, kZipDataError));
    ExpectNothingWritten();
}

// Failures found before writing (sizes, check byte) leave a file of the same name as it was.
TEST_F(ZipExtractTest, EntryRefusedBeforeWritingKeepsTheOldFile) {
    CraftedEntry entry = CraftedEntry("keep.txt", "new").UncompressedSize(10);
    Open({entry});
    WriteFileBytes(m_folder.Base() / "keep.txt", "old");
    EXPECT_EQ(Archive().ExtractEntry(0, L"keep.txt"), kZipDataError);
    EXPECT_EQ(ReadFileBytes(m_folder.Base() / "keep.txt"), "old");
}

}  // namespace
