#include <ctime>

#include "install/zip_local_time.h"

namespace {

constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
constexpr std::int64_t kTicksPerSecond = 10000000;

}  // namespace

bool LocalTimeToZipFileTime(const ZipCalendarTime& local, std::uint64_t& fileTime) {
    std::tm fields{};
    fields.tm_year = local.year - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    fields.tm_isdst = -1;  // the zone's rule for that date decides
    const std::time_t when = std::mktime(&fields);
    if (when == static_cast<std::time_t>(-1)) {
        return false;
    }
    fileTime = static_cast<std::uint64_t>(
        (static_cast<std::int64_t>(when) + kSecondsFrom1601To1970) * kTicksPerSecond);
    return true;
}
