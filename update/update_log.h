// The update log: res/update.log in the per-user data folder, UTF-16LE without byte-order mark,
// one "%2d-%2d-%2d %2d:%2d:%2d : \t<module>\t<message>\r\n" entry per call (year, month, day, hour,
// minute, second of the local time), always appended, never truncated.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

// The module name of every entry the launcher writes.
inline constexpr wchar_t kUpdateModuleName[] = L"UpdateModule";

// The time stamp of one entry. The defaults are what an entry shows when the local time cannot
// be worked out: 0 for the date, -1 for the time of day.
struct UpdateLogTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = -1;
    int minute = -1;
    int second = -1;
};

// `when` in local time (month 1-12, year in full); the defaults when it cannot be converted.
UpdateLogTime UpdateLogTimeAt(std::time_t when);

// One entry, line end included: "%2d-%2d-%2d %2d:%2d:%2d : \t" + module + "\t" + message + "\r\n".
// The message goes in unchanged, TABs and line breaks included.
std::wstring FormatUpdateLogEntry(const UpdateLogTime& time, std::wstring_view module,
                                  std::wstring_view message);

// UTF-16 little-endian code units, no byte-order mark. Where wchar_t is 32 bits wide, characters
// past U+FFFF become surrogate pairs and values that are no character become U+FFFD, so both
// builds write the same bytes.
std::string EncodeUtf16Le(std::wstring_view text);

// Appends one entry stamped with the current local time to the log file at `path`, creating the
// file when it is missing (its folder must exist). 0 when written, -1 on any failure; never
// throws. The updater writes its own entries through this too.
int AppendUpdateLogEntry(const std::wstring& path, std::wstring_view module,
                         std::wstring_view message) noexcept;

// Appends one "UpdateModule" entry to the update log (GetUpdateLogPath). 0 when written, -1 on
// any failure; never throws.
int WriteUpdateLog(std::wstring message);
