#include <windows.h>

#include "install/zip_local_time.h"

bool LocalTimeToZipFileTime(const ZipCalendarTime& local, std::uint64_t& fileTime) {
    SYSTEMTIME localTime{};
    localTime.wYear = static_cast<WORD>(local.year);
    localTime.wMonth = static_cast<WORD>(local.month);
    localTime.wDay = static_cast<WORD>(local.day);
    localTime.wHour = static_cast<WORD>(local.hour);
    localTime.wMinute = static_cast<WORD>(local.minute);
    localTime.wSecond = static_cast<WORD>(local.second);
    // The zone's bias for that date, daylight saving included.
    SYSTEMTIME universal{};
    FILETIME result{};
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &localTime, &universal) ||
        !::SystemTimeToFileTime(&universal, &result)) {
        return false;
    }
    fileTime = (static_cast<std::uint64_t>(result.dwHighDateTime) << 32) | result.dwLowDateTime;
    return true;
}
