// Linux only: DOS stamps are read in the local time zone with the daylight-saving rule of their
// own date. The zone is switched for the test (Wine takes its zone from the host, so the
// Windows build cannot do the same).
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "install/zip_archive.h"
#include "zip_test_builder.h"
#include "zip_test_support.h"

namespace {

class CentralEuropeanTime {
public:
    CentralEuropeanTime() {
        if (const char* zone = std::getenv("TZ")) {
            m_saved = zone;
        }
        ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        ::tzset();
    }
    ~CentralEuropeanTime() {
        m_saved ? ::setenv("TZ", m_saved->c_str(), 1) : ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> m_saved;
};

TEST(ZipLocalTime, DosStampsFollowTheZoneOfTheirDate) {
    const CentralEuropeanTime zone;
    OpenedZip zip(BuildZip({
        CraftedEntry("summer", "").Stamp(DosDateTime(2020, 7, 1, 12, 0, 0)),
        CraftedEntry("winter", "").Stamp(DosDateTime(2020, 1, 1, 12, 0, 0)),
    }));
    ASSERT_EQ(zip.OpenResult(), kZipOk);
    EXPECT_EQ(EntryAt(zip.Archive(), 0).writeTime, UnixToFileTime(1593597600));  // 10:00 UTC
    EXPECT_EQ(EntryAt(zip.Archive(), 1).writeTime, UnixToFileTime(1577876400));  // 11:00 UTC
}

}  // namespace
