#include "update/update_log.h"

#include <cstdint>
#include <cstdio>

#include "app/app_paths.h"
#include "update/file_append.h"
#include "update/local_time.h"

namespace {

constexpr std::uint32_t kLastBmpCharacter = 0xFFFF;
constexpr std::uint32_t kLastCharacter = 0x10FFFF;
constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

void AppendCodeUnit(std::string& bytes, std::uint32_t unit) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>((unit >> 8) & 0xFF));
}

}  // namespace

UpdateLogTime UpdateLogTimeAt(std::time_t when) {
    std::tm local{};
    if (!ToLocalTime(when, local)) {
        return {};
    }
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::wstring FormatUpdateLogEntry(const UpdateLogTime& time, std::wstring_view module,
                                  std::wstring_view message) {
    // The stamp is ASCII whatever the numbers are, so the narrow printf gives the same text on
    // every C library (wide printf differs between them on %s and friends).
    char stamp[128] = {};
    const int length = std::snprintf(stamp, sizeof stamp, "%2d-%2d-%2d %2d:%2d:%2d : \t", time.year,
                                     time.month, time.day, time.hour, time.minute, time.second);
    std::wstring entry(stamp, stamp + (length > 0 ? length : 0));
    entry += module;
    entry += L'\t';
    entry += message;
    entry += L"\r\n";
    return entry;
}

std::string EncodeUtf16Le(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const wchar_t character : text) {
        const auto value = static_cast<std::uint32_t>(character);
        if (value <= kLastBmpCharacter) {
            AppendCodeUnit(bytes, value);
        } else if (value > kLastCharacter) {
            AppendCodeUnit(bytes, kReplacementCharacter);
        } else {
            const std::uint32_t offset = value - 0x10000;
            AppendCodeUnit(bytes, 0xD800 | (offset >> 10));
            AppendCodeUnit(bytes, 0xDC00 | (offset & 0x3FF));
        }
    }
    return bytes;
}

int AppendUpdateLogEntry(const std::wstring& path, std::wstring_view module,
                         std::wstring_view message) noexcept {
    try {
        const std::wstring entry =
            FormatUpdateLogEntry(UpdateLogTimeAt(std::time(nullptr)), module, message);
        return AppendToFile(path, EncodeUtf16Le(entry)) ? 0 : -1;
    } catch (...) {
        // Out of memory while building the entry: the log is best effort, the caller goes on.
        return -1;
    }
}

int WriteUpdateLog(std::wstring message) {
    try {
        return AppendUpdateLogEntry(GetUpdateLogPath(), kUpdateModuleName, message);
    } catch (...) {
        return -1;
    }
}
