// Hostile bytes: every cut and every damaged byte of a small archive ends in a result code; no
// read past the buffer, no hang, nothing outside the base folder, no file of the wrong size.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "install/zip_archive.h"
#include "zip_test_builder.h"
#include "zip_test_disk.h"
#include "zip_test_folder.h"
#include "zip_test_support.h"

namespace {

namespace fs = std::filesystem;

std::string SmallArchive() {
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += "row " + std::to_string(i) + "\n";
    }
    return BuildZip({
        CraftedEntry("s.txt", "stored bytes"),
        CraftedEntry("d/", "").Attributes(0x10),
        CraftedEntry("d/z.txt", text)
            .Method(8)
            .LocalExtra(ExtendedTimestampBlock(1600000000, 1600000001)),
    });
}

// Opens `bytes` (a copy of exactly that length, so that a read past it is caught by the
// sanitizers of the fuzz build and by the heap checks of Windows), extracts every entry, then
// checks what came out and empties the base folder again.
void ExtractEverything(const std::string& bytes, ZipTestFolder& folder) {
    const std::vector<char> exact(bytes.begin(), bytes.end());
    ZipArchive archive;
    if (archive.Open(exact.data(), exact.size()) != kZipOk) {
        return;
    }
    archive.SetBaseFolder(folder.BaseText());
    ZipEntryInfo count;
    ASSERT_EQ(archive.GetEntry(-1, count), kZipOk);
    for (int i = 0; i < count.index; ++i) {
        ZipEntryInfo info;
        if (archive.GetEntry(i, info) != kZipOk) {
            continue;
        }
        std::wstring name = info.name;
        std::replace(name.begin(), name.end(), L'\\', L'/');
        const fs::path path = folder.Base() / PathFromWide(name);
        if (archive.ExtractEntry(i, info.name) == kZipOk && (info.attributes & 0x10) == 0) {
            EXPECT_EQ(fs::file_size(path), static_cast<std::uintmax_t>(info.uncompressedSize));
        }
    }
    archive.Close();
    ASSERT_EQ(folder.OuterListing(), std::vector<std::string>{"base"});
    folder.ClearBase();
}

TEST(ZipDamage, EveryCutOfTheArchive) {
    const std::string archive = SmallArchive();
    ZipTestFolder folder;
    for (std::size_t size = 0; size <= archive.size(); ++size) {
        SCOPED_TRACE(size);
        ExtractEverything(archive.substr(0, size), folder);
    }
}

TEST(ZipDamage, EveryByteReplaced) {
    const std::string archive = SmallArchive();
    ZipTestFolder folder;
    for (std::size_t at = 0; at < archive.size(); ++at) {
        for (const char value : {'\x00', '\xFF', static_cast<char>(archive[at] ^ 0x01)}) {
            SCOPED_TRACE(testing::Message() << "byte " << at << " = " << int(value));
            std::string damaged = archive;
            damaged[at] = value;
            ExtractEverything(damaged, folder);
        }
    }
}

// Central headers that all point at one local header, and an entry count far beyond what the
// directory holds: the walk stays bounded.
TEST(ZipDamage, ManyEntriesOverOneLocalHeader) {
    std::string archive = BuildZip({CraftedEntry("same.txt", "x")});
    const std::size_t directoryAt = 30 + 8 + 1;
    const std::string header = archive.substr(directoryAt, 46 + 8);
    std::string directory;
    for (int i = 0; i < 1000; ++i) {
        directory += header;
    }
    std::string bytes =
        archive.substr(0, directoryAt) + directory + archive.substr(EndRecordAt(archive));
    const std::size_t end = EndRecordAt(bytes);
    PatchU16(bytes, end + 8, 0xFFFF);
    PatchU16(bytes, end + 10, 0xFFFF);
    PatchU32(bytes, end + 12, static_cast<std::uint32_t>(directory.size()));
    OpenedZip zip(bytes);
    ASSERT_EQ(zip.OpenResult(), kZipOk);
    ZipEntryInfo info;
    EXPECT_EQ(zip.Archive().GetEntry(999, info), kZipOk);
    for (int index = 1000; index < 0xFFFF; ++index) {
        ASSERT_EQ(zip.Archive().GetEntry(index, info), kZipHeaderMismatch) << index;
    }
}

}  // namespace
