#include "update/update_log.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>

#include "app/app_paths.h"
#include "temp_folder.h"
#include "user_data_folder.h"

namespace {

// UTF-16LE bytes of an ASCII text, written out by hand so that the expectation does not lean on
// the encoder under test.
std::string Utf16LeOfAscii(std::string_view text) {
    std::string bytes;
    for (const char c : text) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

// True when `bytes` is exactly the entry for `message` stamped with some second of
// [before, after]: the clock may tick while the entry is written.
testing::AssertionResult IsEntryStampedBetween(const std::string& bytes, std::time_t before,
                                               std::time_t after, std::wstring_view message) {
    for (std::time_t when = before; when <= after; ++when) {
        if (bytes == EncodeUtf16Le(
                         FormatUpdateLogEntry(UpdateLogTimeAt(when), kUpdateModuleName, message))) {
            return testing::AssertionSuccess();
        }
    }
    return testing::AssertionFailure() << "no entry for the message stamped in the test's time";
}

struct FormatCase {
    UpdateLogTime time;
    std::wstring_view message;
    std::wstring_view expected;
};

TEST(UpdateLogFormat, PadsEveryFieldToTwoPlacesAndKeepsTheMessageUnchanged) {
    const FormatCase cases[] = {
        {{2026, 12, 9, 7, 5, 3}, L"start", L"2026-12- 9  7: 5: 3 : \tUpdateModule\tstart\r\n"},
        {{2026, 1, 31, 23, 59, 59}, L"x", L"2026- 1-31 23:59:59 : \tUpdateModule\tx\r\n"},
        {{2027, 10, 10, 0, 0, 0}, L"", L"2027-10-10  0: 0: 0 : \tUpdateModule\t\r\n"},
        // Local time unavailable: 0 for the date, -1 for the time of day.
        {{}, L"m", L" 0- 0- 0 -1:-1:-1 : \tUpdateModule\tm\r\n"},
        // TABs and line breaks in the message go in as they are.
        {{2026, 3, 4, 5, 6, 7},
         L"a\tb\r\nc\nd",
         L"2026- 3- 4  5: 6: 7 : \tUpdateModule\ta\tb\r\nc\nd\r\n"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatUpdateLogEntry(c.time, kUpdateModuleName, c.message), c.expected);
    }
}

TEST(UpdateLogFormat, EncodesUtf16LittleEndianWithSurrogatePairsAndNoByteOrderMark) {
    const std::wstring entry =
        FormatUpdateLogEntry({2026, 12, 9, 7, 5, 3}, kUpdateModuleName, L"\x4E2D\U0001F600");
    const std::string expected = Utf16LeOfAscii("2026-12- 9  7: 5: 3 : \tUpdateModule\t") +
                                 std::string("\x2D\x4E\x3D\xD8\x00\xDE", 6) +
                                 Utf16LeOfAscii("\r\n");
    EXPECT_EQ(EncodeUtf16Le(entry), expected);
}

TEST(UpdateLogTime, GivesTheLocalCalendarFieldsOrTheFailureDefaults) {
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 9;
    local.tm_hour = 7;
    local.tm_min = 5;
    local.tm_sec = 3;
    local.tm_isdst = -1;
    const UpdateLogTime time = UpdateLogTimeAt(std::mktime(&local));
    EXPECT_EQ(FormatUpdateLogEntry(time, L"M", L""), L"2026-12- 9  7: 5: 3 : \tM\t\r\n");

    // Far past the last year either C library can convert.
    const UpdateLogTime failed = UpdateLogTimeAt(std::numeric_limits<std::time_t>::max());
    EXPECT_EQ(FormatUpdateLogEntry(failed, L"M", L""), L" 0- 0- 0 -1:-1:-1 : \tM\t\r\n");
}

TEST(UpdateLogAppend, CreatesTheFileThenAppendsWithoutTruncating) {
    const TempFolder folder;
    const std::filesystem::path log = folder.Path() / "update.log";

    const std::time_t before = std::time(nullptr);
    ASSERT_EQ(AppendUpdateLogEntry(log.wstring(), kUpdateModuleName, L"first"), 0);
    const std::time_t between = std::time(nullptr);
    const std::string first = ReadBinaryFile(log);
    EXPECT_TRUE(IsEntryStampedBetween(first, before, between, L"first"));

    ASSERT_EQ(AppendUpdateLogEntry(log.wstring(), kUpdateModuleName, L"second\tline"), 0);
    const std::time_t after = std::time(nullptr);
    const std::string both = ReadBinaryFile(log);
    ASSERT_GT(both.size(), first.size());
    EXPECT_EQ(both.substr(0, first.size()), first);
    EXPECT_TRUE(IsEntryStampedBetween(both.substr(first.size()), between, after, L"second\tline"));
}

TEST(UpdateLogAppend, KeepsWhateverTheFileHeldBefore) {
    const TempFolder folder;
    const std::filesystem::path log = folder.Path() / "update.log";
    const std::string earlier =
        "\xFF\xFE"
        "earlier bytes, not even UTF-16\r\n";
    WriteBinaryFile(log, earlier);

    ASSERT_EQ(AppendUpdateLogEntry(log.wstring(), L"Other", L"m"), 0);
    const std::string bytes = ReadBinaryFile(log);
    ASSERT_GT(bytes.size(), earlier.size());
    EXPECT_EQ(bytes.substr(0, earlier.size()), earlier);
    // The stamp "YYYY-MM-DD hh:mm:ss : \t" is 23 characters, whatever the time.
    EXPECT_EQ(bytes.substr(earlier.size() + 23 * 2), Utf16LeOfAscii("Other\tm\r\n"));
}

TEST(UpdateLogAppend, FailsWithoutCreatingAnythingWhenTheFolderIsMissing) {
    const TempFolder folder;
    const std::filesystem::path log = folder.Path() / "missing" / "update.log";
    EXPECT_EQ(AppendUpdateLogEntry(log.wstring(), kUpdateModuleName, L"lost"), -1);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
    // A folder where the file should be cannot be opened as a file.
    std::filesystem::create_directories(folder.Path() / "update.log");
    EXPECT_EQ(AppendUpdateLogEntry(folder.Wide("update.log"), kUpdateModuleName, L"x"), -1);
}

// WriteUpdateLog itself, on the launcher's real log path in the per-user data folder.
class UpdateLogFile : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_scratch = std::make_unique<TempFolder>();
        s_userData = UseScratchUserDataFolder(s_scratch->Path());
    }
    static void TearDownTestSuite() { s_scratch.reset(); }

    static inline std::unique_ptr<TempFolder> s_scratch;
    static inline std::wstring s_userData;
};

TEST_F(UpdateLogFile, WritesUpdateModuleEntriesToResUpdateLogInTheUserDataFolder) {
    const std::filesystem::path log(GetUpdateLogPath());
    EXPECT_EQ(log, std::filesystem::path(s_userData) / "res" / "update.log");
    std::filesystem::create_directories(log.parent_path());
    const std::string earlier = ReadBinaryFile(log);

    const std::time_t before = std::time(nullptr);
    ASSERT_EQ(WriteUpdateLog(L"CheckForUpdate: 1.0.0.1 \x4E2D"), 0);
    const std::time_t after = std::time(nullptr);
    const std::string bytes = ReadBinaryFile(log);
    ASSERT_GE(bytes.size(), earlier.size());
    EXPECT_EQ(bytes.substr(0, earlier.size()), earlier);
    EXPECT_TRUE(IsEntryStampedBetween(bytes.substr(earlier.size()), before, after,
                                      L"CheckForUpdate: 1.0.0.1 \x4E2D"));
}

}  // namespace
