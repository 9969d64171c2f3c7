// DOS time stamps of ZIP entries are local times; this turns one into a UTC file time.
#pragma once

#include <cstdint>

struct ZipCalendarTime {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// `local`, a valid calendar time in the local time zone (with the daylight-saving rule of that
// date), as 100 ns ticks since 1601-01-01 UTC; false when the system cannot convert it.
bool LocalTimeToZipFileTime(const ZipCalendarTime& local, std::uint64_t& fileTime);
