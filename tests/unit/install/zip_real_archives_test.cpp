// The reader against archives that Info-ZIP zip, Python's zipfile and bsdtar made from the same
// fixed input tree (make_zip_fixtures.py, run at build time), compared with Python's view of
// each archive in manifest.tsv.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "install/zip_archive.h"
#include "zip_test_disk.h"
#include "zip_test_folder.h"
#include "zip_test_support.h"

namespace {

namespace fs = std::filesystem;

const fs::path& FixtureFolder() {
    static const fs::path folder(TORVANE_ZIP_FIXTURES);
    return folder;
}

struct ManifestEntry {
    std::string archive;
    int index = 0;
    std::string utf8Name;
    bool folder = false;
    bool readOnly = false;
    std::int32_t compressedSize = 0;
    std::int32_t size = 0;
    std::array<int, 6> dosTime{};
    // Write, access, creation seconds of the "UT" block, where it has them.
    std::array<std::optional<std::int64_t>, 3> extendedTimes;
};

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t')) {
        fields.push_back(field);
    }
    return fields;
}

ManifestEntry ParseManifestLine(const std::string& line) {
    const std::vector<std::string> f = SplitTabs(line);
    EXPECT_EQ(f.size(), 12u) << line;
    ManifestEntry e;
    e.archive = f.at(0);
    e.index = std::stoi(f.at(1));
    e.utf8Name = f.at(2);
    e.folder = f.at(3) == "1";
    e.readOnly = f.at(4) == "1";
    e.compressedSize = std::stoi(f.at(5));
    e.size = std::stoi(f.at(6));
    std::sscanf(f.at(7).c_str(), "%d-%d-%d-%d-%d-%d", &e.dosTime[0], &e.dosTime[1], &e.dosTime[2],
                &e.dosTime[3], &e.dosTime[4], &e.dosTime[5]);
    for (std::size_t i = 0; i < 3; ++i) {
        if (f.at(9 + i) != "-") {
            e.extendedTimes[i] = std::stoll(f.at(9 + i));
        }
    }
    return e;
}

std::vector<ManifestEntry> ManifestOf(const std::string& archive) {
    std::ifstream file(FixtureFolder() / "manifest.tsv");
    EXPECT_TRUE(file.good()) << "no manifest in " << FixtureFolder();
    std::vector<ManifestEntry> entries;
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind(archive + '\t', 0) == 0) {
            entries.push_back(ParseManifestLine(line));
        }
    }
    return entries;
}

std::uint64_t ExpectedTime(const ManifestEntry& e, std::size_t which) {
    if (e.extendedTimes[which]) {
        return UnixToFileTime(*e.extendedTimes[which]);
    }
    const auto& t = e.dosTime;
    return LocalToFileTime(t[0], t[1], t[2], t[3], t[4], t[5]);
}

// The archives of the unencrypted input tree.
constexpr const char* kTreeArchives[] = {
    "infozip.zip",         "infozip-stored.zip", "infozip-dos-times.zip", "infozip-streamed.zip",
    "infozip-comment.zip", "python.zip",         "python-stored.zip",     "bsdtar.zip",
    "bsdtar-stored.zip",   "prefixed.zip",
};

class RealArchiveTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        m_entries = ManifestOf(GetParam());
        ASSERT_FALSE(m_entries.empty()) << GetParam();
        m_zip.emplace(ReadFileBytes(FixtureFolder() / GetParam()));
        ASSERT_EQ(m_zip->OpenResult(), kZipOk);
    }

    std::vector<ManifestEntry> m_entries;
    std::optional<OpenedZip> m_zip;
};

TEST_P(RealArchiveTest, ReportsEveryEntryAsPythonSeesIt) {
    ZipArchive& archive = m_zip->Archive();
    EXPECT_EQ(EntryAt(archive, -1).index, static_cast<std::int32_t>(m_entries.size()));
    for (const ManifestEntry& expected : m_entries) {
        SCOPED_TRACE(expected.utf8Name);
        const ZipEntryInfo info = EntryAt(archive, expected.index);
        EXPECT_EQ(info.index, expected.index);
        EXPECT_EQ(info.name, WideFromUtf8(expected.utf8Name));
        EXPECT_EQ((info.attributes & 0x10) != 0, expected.folder);
        EXPECT_EQ((info.attributes & 0x01) != 0, expected.readOnly);
        EXPECT_EQ(info.attributes & 0x06, 0u) << "no hidden or system bits from a Unix host";
        EXPECT_EQ(info.compressedSize, expected.compressedSize);
        EXPECT_EQ(info.uncompressedSize, expected.size);
        EXPECT_EQ(info.writeTime, ExpectedTime(expected, 0));
        EXPECT_EQ(info.accessTime, ExpectedTime(expected, 1));
        EXPECT_EQ(info.creationTime, ExpectedTime(expected, 2));
    }
}

TEST_P(RealArchiveTest, ExtractsTheInputTree) {
    ZipArchive& archive = m_zip->Archive();
    ZipTestFolder folder;
    ASSERT_EQ(archive.SetBaseFolder(folder.BaseText()), kZipOk);
    std::vector<std::string> names;
    for (const ManifestEntry& expected : m_entries) {
        SCOPED_TRACE(expected.utf8Name);
        const ZipEntryInfo info = EntryAt(archive, expected.index);
        ASSERT_EQ(archive.ExtractEntry(expected.index, info.name), kZipOk);
        names.push_back(expected.utf8Name);
        const fs::path extracted = folder.Base() / PathFromWide(info.name);
        if (expected.folder) {
            EXPECT_TRUE(fs::is_directory(extracted));
            continue;
        }
        // Times first: reading the file could move its access time on.
        EXPECT_EQ(WriteTimeOnDisk(extracted), info.writeTime);
        EXPECT_EQ(AccessTimeOnDisk(extracted), info.accessTime);
        EXPECT_EQ(IsReadOnlyOnDisk(extracted), expected.readOnly);
        const fs::path input = FixtureFolder() / "inputs" / PathFromWide(info.name);
        EXPECT_EQ(ReadFileBytes(extracted), ReadFileBytes(input));
        EXPECT_EQ(fs::file_size(extracted), static_cast<std::uintmax_t>(expected.size));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(folder.BaseListing(), names);
    EXPECT_EQ(folder.OuterListing(), std::vector<std::string>{"base"});
}

INSTANTIATE_TEST_SUITE_P(Tools, RealArchiveTest, testing::ValuesIn(kTreeArchives),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char c) {
                                     return !std::isalnum(static_cast<unsigned char>(c));
                                 },
                                 '_');
                             return name;
                         });

// Encrypted with the empty password: one stored entry, one deflated, one whose check byte comes
// from the DOS time (sizes after the data).
TEST(EncryptedArchiveTest, DecryptsWithTheEmptyPassword) {
    OpenedZip zip(ReadFileBytes(FixtureFolder() / "encrypted.zip"));
    ASSERT_EQ(zip.OpenResult(), kZipOk);
    ZipTestFolder folder;
    zip.Archive().SetBaseFolder(folder.BaseText());
    const std::string notes = ReadFileBytes(FixtureFolder() / "inputs/docs/guide/notes.txt");
    const std::pair<const wchar_t*, std::string> expected[] = {
        {L"stored.txt", "Stored, encrypted with the empty password.\n"},
        {L"deflated.txt", notes},
        {L"described.txt", notes.substr(0, 5000)},
    };
    ASSERT_EQ(EntryAt(zip.Archive(), -1).index, 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::wstring(EntryAt(zip.Archive(), i).name), expected[i].first);
        ASSERT_EQ(zip.Archive().ExtractEntry(i, expected[i].first), kZipOk);
        EXPECT_EQ(ReadFileBytes(folder.Base() / PathFromWide(expected[i].first)),
                  expected[i].second);
    }
}

TEST(EncryptedArchiveTest, WrongCheckByteFailsAndLeavesNothing) {
    OpenedZip zip(ReadFileBytes(FixtureFolder() / "encrypted-wrong-check.zip"));
    ASSERT_EQ(zip.OpenResult(), kZipOk);
    ZipTestFolder folder;
    zip.Archive().SetBaseFolder(folder.BaseText());
    for (int i = 0; i < 2; ++i) {
        const ZipEntryInfo info = EntryAt(zip.Archive(), i);
        EXPECT_EQ(zip.Archive().ExtractEntry(i, info.name), kZipBadPassword) << i;
    }
    EXPECT_TRUE(folder.BaseListing().empty());
}

}  // namespace
