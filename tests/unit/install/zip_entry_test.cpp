// GetEntry: the count query, names, attributes, times and the header checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/zip_archive.h"
#include "zip_test_builder.h"
#include "zip_test_support.h"

namespace {

ZipResult GetOnly(const CraftedEntry& entry, ZipEntryInfo& info) {
    OpenedZip zip(BuildZip({entry}));
    EXPECT_EQ(zip.OpenResult(), kZipOk);
    return zip.Archive().GetEntry(0, info);
}

ZipEntryInfo GetOnly(const CraftedEntry& entry) {
    ZipEntryInfo info;
    EXPECT_EQ(GetOnly(entry, info), kZipOk);
    return info;
}

TEST(ZipEntry, CountQueryFillsOnlyTheCount) {
    OpenedZip zip(BuildZip({CraftedEntry("a", "1"), CraftedEntry("b", "2")}));
    ZipEntryInfo info;
    info.index = 77;
    info.name[0] = L'x';
    info.attributes = 0xFF;
    info.writeTime = info.accessTime = info.creationTime = 5;
    info.compressedSize = info.uncompressedSize = 9;
    ASSERT_EQ(zip.Archive().GetEntry(-1, info), kZipOk);
    EXPECT_EQ(info.index, 2);
    EXPECT_EQ(info.name[0], L'\0');
    EXPECT_EQ(info.attributes, 0u);
    EXPECT_EQ(info.writeTime + info.accessTime + info.creationTime, 0u);
    EXPECT_EQ(info.compressedSize, 0);
    EXPECT_EQ(info.uncompressedSize, 0);
}

TEST(ZipEntry, IndexOutOfRangeIsABadArgument) {
    OpenedZip zip(BuildZip({CraftedEntry("a", "1"), CraftedEntry("b", "2")}));
    ZipEntryInfo info;
    for (const int index : {-2, -100, 2, 3, 1000}) {
        EXPECT_EQ(zip.Archive().GetEntry(index, info), kZipBadArgument) << index;
    }
    for (const int index : {-1, -2, 2}) {
        EXPECT_EQ(zip.Archive().ExtractEntry(index, L"x"), kZipBadArgument) << index;
    }
}

TEST(ZipEntry, ReportsSizesFromTheCentralHeader) {
    const std::string text(10000, 'z');
    const ZipEntryInfo info = GetOnly(CraftedEntry("z.txt", text).Method(8));
    EXPECT_EQ(info.uncompressedSize, 10000);
    EXPECT_EQ(info.compressedSize, static_cast<std::int32_t>(Deflate(text).size()));
}

TEST(ZipEntry, StripsDrivesLeadingSeparatorsAndParentSteps) {
    const struct {
        const char* stored;
        const wchar_t* reported;
    } cases[] = {
        {"dir/file", L"dir/file"},
        {"C:\\a\\..\\b.txt", L"b.txt"},
        {"C:\\x\\..\\evil.txt", L"evil.txt"},
        {"/x/../y/z.ini", L"y/z.ini"},
        {"///x", L"x"},
        {"\\\\server\\share\\f.txt", L"server\\share\\f.txt"},
        {"a\\../b", L"b"},
        {"a/..\\b", L"b"},
        {"a/b/../c/../d", L"d"},
        // Left as they are by the rule; ExtractEntry refuses them.
        {"../x", L"../x"},
        {"/x/../../y/z.ini", L"../y/z.ini"},
        {"D:/../x", L"../x"},
        {"a/../../b", L"../b"},
    };
    for (const auto& c : cases) {
        const ZipEntryInfo info = GetOnly(CraftedEntry(c.stored, "x"));
        EXPECT_EQ(std::wstring(info.name), c.reported) << c.stored;
    }
}

TEST(ZipEntry, DecodesNamesAsUtf8) {
    const struct {
        std::string stored;
        std::wstring reported;
    } cases[] = {
        {"数据/说明.txt", L"数据/说明.txt"},
        {"\xF0\x9F\x98\x80.txt", L"\U0001F600.txt"},
        {"a\xFF"
         "b",
         L"a\uFFFDb"},
        {"\xC0\xAF", L"\uFFFD\uFFFD"},            // overlong "/"
        {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},  // a surrogate
        {"cut\xE6\x95", L"cut\uFFFD\uFFFD"},
    };
    for (const auto& c : cases) {
        const ZipEntryInfo info = GetOnly(CraftedEntry(c.stored, "x"));
        EXPECT_EQ(std::wstring(info.name), c.reported) << c.stored;
    }
}

// The record holds 259 characters and the terminator; longer names are refused, not cut.
TEST(ZipEntry, NamesThatDoNotFitAreRefused) {
    ZipEntryInfo info;
    EXPECT_EQ(GetOnly(CraftedEntry(std::string(260, 'n'), "x"), info), kZipCannotOpen);
    EXPECT_EQ(GetOnly(CraftedEntry(std::string(400, 'n'), "x"), info), kZipCannotOpen);
    EXPECT_EQ(GetOnly(CraftedEntry(std::string("a\0b", 3), "x"), info), kZipCannotOpen);
    EXPECT_EQ(std::wstring(GetOnly(CraftedEntry(std::string(259, 'n'), "x")).name),
              std::wstring(259, L'n'));
    // What counts is the name after stripping: 2 + 259 bytes stored, 259 characters left.
    EXPECT_EQ(std::wstring(GetOnly(CraftedEntry("C:" + std::string(259, 'n'), "x")).name),
              std::wstring(259, L'n'));
    // Three bytes of UTF-8 per character: 300 bytes make 100 characters.
    std::string wide;
    for (int i = 0; i < 100; ++i) {
        wide += "说";
    }
    EXPECT_EQ(std::wstring(GetOnly(CraftedEntry(wide, "x")).name).size(), 100u);
}

TEST(ZipEntry, MapsAttributesByHostSystem) {
    const struct {
        std::uint16_t madeBy;
        std::uint32_t external;
        std::uint32_t attributes;
    } cases[] = {
        {0x0014, 0x01, 0x01},        // DOS: read-only
        {0x0014, 0x02, 0x02},        // hidden
        {0x0014, 0x04, 0x04},        // system
        {0x0014, 0x10, 0x10},        // folder
        {0x0014, 0x20, 0x20},        // archive
        {0x0014, 0xFFFFFFC8, 0x00},  // bits the DOS mapping does not know
        {0x0714, 0x27, 0x27},        // Macintosh
        {0x0B14, 0x21, 0x21},        // NTFS
        {0x0E14, 0x12, 0x12},        // VFAT
        {0x0314, 0x41ED0000, 0x30},  // Unix folder, not read-only
        {0x0314, 0x81A40000, 0x20},  // Unix plain writable file
        {0x0314, 0x81240000, 0x21},  // Unix file without the owner's write bit
        {0x0314, 0x81A40001, 0x20},  // DOS bits of a Unix host are ignored
        {0x1314, 0x41ED0010, 0x30},  // any other host: the Unix reading
        {0x0314, 0xA1FF0000, 0x20},  // a symbolic link is extracted as a plain file
    };
    for (const auto& c : cases) {
        const ZipEntryInfo info =
            GetOnly(CraftedEntry("e", "").MadeBy(c.madeBy).Attributes(c.external));
        EXPECT_EQ(info.attributes, c.attributes)
            << std::hex << "made by " << c.madeBy << ", external " << c.external;
    }
}

TEST(ZipEntry, DosTimeIsLocalTimeForAllThreeTimes) {
    const ZipEntryInfo info =
        GetOnly(CraftedEntry("t", "").Stamp(DosDateTime(2020, 5, 6, 7, 8, 10)));
    const std::uint64_t expected = LocalToFileTime(2020, 5, 6, 7, 8, 10);
    EXPECT_EQ(info.writeTime, expected);
    EXPECT_EQ(info.accessTime, expected);
    EXPECT_EQ(info.creationTime, expected);
}

TEST(ZipEntry, FirstUtBlockOverridesTheTimesItCarries) {
    const std::uint64_t dos = LocalToFileTime(2020, 5, 6, 7, 8, 10);
    const std::uint64_t w = UnixToFileTime(1600000000);
    const std::uint64_t a = UnixToFileTime(1600000100);
    const std::uint64_t c = UnixToFileTime(1600000200);
    const std::string otherBlock = std::string("xx\x03\x00", 4) + "abc";
    const struct {
        const char* what;
        std::string extra;
        std::uint64_t write, access, creation;
    } cases[] = {
        {"write time only", ExtendedTimestampBlock(1600000000), w, dos, dos},
        {"all three", ExtendedTimestampBlock(1600000000, 1600000100, 1600000200), w, a, c},
        {"access and creation", ExtendedTimestampBlock({}, 1600000100, 1600000200), dos, a, c},
        {"no flags", ExtendedTimestampBlock({}), dos, dos, dos},
        {"after another block", otherBlock + ExtendedTimestampBlock(1600000000), w, dos, dos},
        {"first of two", ExtendedTimestampBlock(1600000000) + ExtendedTimestampBlock({}, 1), w, dos,
         dos},
        {"before 1970", ExtendedTimestampBlock(-1), UnixToFileTime(-1), dos, dos},
        {"fewer than 5 bytes left", otherBlock + "UT\x01", dos, dos, dos},
        {"other block running past the end", std::string("xx\xFF\x00", 4) + "abc", dos, dos, dos},
    };
    for (const auto& e : cases) {
        SCOPED_TRACE(e.what);
        const ZipEntryInfo info = GetOnly(CraftedEntry("t", "").LocalExtra(e.extra));
        EXPECT_EQ(info.writeTime, e.write);
        EXPECT_EQ(info.accessTime, e.access);
        EXPECT_EQ(info.creationTime, e.creation);
    }
}

TEST(ZipEntry, UtBlockThatClaimsMoreThanItHoldsFails) {
    std::string threeFlagsOneTime = ExtendedTimestampBlock(1600000000);
    threeFlagsOneTime[4] = '\x07';
    std::string pastTheField = ExtendedTimestampBlock(1600000000);
    pastTheField[2] = '\x09';
    const std::string cases[] = {threeFlagsOneTime, pastTheField,
                                 ExtendedTimestampBlock(1600000000).substr(0, 7)};
    for (const std::string& extra : cases) {
        ZipEntryInfo info;
        EXPECT_EQ(GetOnly(CraftedEntry("t", "").LocalExtra(extra), info), kZipBadExtraField);
    }
}

TEST(ZipEntry, LocalExtraFieldPastTheBufferFails) {
    std::string bytes = BuildZip({CraftedEntry("t", "x")});
    PatchU16(bytes, 28, 0xFFFF);
    OpenedZip zip(bytes);
    ZipEntryInfo info;
    EXPECT_EQ(zip.Archive().GetEntry(0, info), kZipBadExtraField);
}

TEST(ZipEntry, DosStampThatIsNoCalendarDateFails) {
    const struct {
        const char* what;
        std::uint32_t stamp;
        ZipResult result;
    } cases[] = {
        {"all zero", 0, kZipHeaderMismatch},
        {"month 0", DosDateTime(2020, 0, 1, 0, 0, 0), kZipHeaderMismatch},
        {"month 13", DosDateTime(2020, 13, 1, 0, 0, 0), kZipHeaderMismatch},
        {"day 0", DosDateTime(2020, 1, 0, 0, 0, 0), kZipHeaderMismatch},
        {"30 February", DosDateTime(2024, 2, 30, 0, 0, 0), kZipHeaderMismatch},
        {"29 February 2021", DosDateTime(2021, 2, 29, 0, 0, 0), kZipHeaderMismatch},
        {"31 April", DosDateTime(2021, 4, 31, 0, 0, 0), kZipHeaderMismatch},
        {"hour 24", DosDateTime(2020, 1, 1, 24, 0, 0), kZipHeaderMismatch},
        {"minute 60", DosDateTime(2020, 1, 1, 0, 60, 0), kZipHeaderMismatch},
        {"second 60", DosDateTime(2020, 1, 1, 0, 0, 60), kZipHeaderMismatch},
        {"29 February 2024", DosDateTime(2024, 2, 29, 12, 0, 0), kZipOk},
        {"first DOS day", DosDateTime(1980, 1, 1, 0, 0, 0), kZipOk},
        {"last DOS second", DosDateTime(2107, 12, 31, 23, 59, 58), kZipOk},
    };
    for (const auto& c : cases) {
        ZipEntryInfo info;
        EXPECT_EQ(GetOnly(CraftedEntry("t", "").Stamp(c.stamp), info), c.result) << c.what;
    }
}

TEST(ZipEntry, LocalHeaderMustAgreeWithTheCentralOne) {
    const auto entry = [](auto damage) {
        CraftedEntry e = CraftedEntry("t.txt", "contents");
        damage(e);
        return e;
    };
    const struct {
        const char* what;
        CraftedEntry e;
        ZipResult result;
    } cases[] = {
        {"method 12", entry([](CraftedEntry& e) { e.method = 12; }), kZipHeaderMismatch},
        {"methods differ", entry([](CraftedEntry& e) { e.localMethod = 8; }), kZipHeaderMismatch},
        {"CRC differs", entry([](CraftedEntry& e) { e.localCrc = 1; }), kZipHeaderMismatch},
        {"name length differs", entry([](CraftedEntry& e) { e.localNameLength = 4; }),
         kZipHeaderMismatch},
        {"no local signature", entry([](CraftedEntry& e) { e.localSignature = 0x08074B50; }),
         kZipHeaderMismatch},
        {"local header past the buffer",
         entry([](CraftedEntry& e) { e.localHeaderOffset = 0xFFFFFF00; }), kZipHeaderMismatch},
        {"CRC differs, sizes after the data", entry([](CraftedEntry& e) {
             e.localCrc = 1;
             e.flags = 0x08;
         }),
         kZipOk},
    };
    for (const auto& c : cases) {
        ZipEntryInfo info;
        EXPECT_EQ(GetOnly(c.e, info), c.result) << c.what;
    }
}

std::vector<CraftedEntry> NumberedEntries(int count) {
    std::vector<CraftedEntry> entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back(CraftedEntry("entry" + std::to_string(i), "x"));
    }
    return entries;
}

TEST(ZipEntry, CursorMovesBackAndForth) {
    OpenedZip zip(BuildZip(NumberedEntries(6)));
    for (const int index : {3, 1, 5, 0, 3, 3, 4, 2}) {
        EXPECT_EQ(std::wstring(EntryAt(zip.Archive(), index).name),
                  L"entry" + std::to_wstring(index));
    }
}

TEST(ZipEntry, DamagedCentralHeaderCutsOffItselfAndWhatFollows) {
    const std::vector<CraftedEntry> entries = NumberedEntries(4);
    std::string bytes = BuildZip(entries);
    // The central directory starts after the four local records of 30 + 6 + 1 bytes.
    const std::size_t second = 4 * 37 + 46 + 6;
    PatchU32(bytes, second, 0x12345678);
    OpenedZip zip(bytes);
    ZipEntryInfo info;
    EXPECT_EQ(zip.Archive().GetEntry(0, info), kZipOk);
    for (const int index : {1, 2, 3, 2}) {
        EXPECT_EQ(zip.Archive().GetEntry(index, info), kZipHeaderMismatch) << index;
    }
    EXPECT_EQ(std::wstring(EntryAt(zip.Archive(), 0).name), L"entry0");
    EXPECT_EQ(EntryAt(zip.Archive(), -1).index, 4);
}

TEST(ZipEntry, CentralNameRunningPastTheBufferFails) {
    std::string bytes = BuildZip(NumberedEntries(1));
    PatchU16(bytes, 37 + 28, 0xFFFF);
    OpenedZip zip(bytes);
    ZipEntryInfo info;
    EXPECT_EQ(zip.Archive().GetEntry(0, info), kZipHeaderMismatch);
}

}  // namespace
