#include "install/zip_entry_fields.h"

#include "install/zip_local_time.h"

namespace {

constexpr std::uint16_t kExtendedTimestampId = 0x5455;  // "UT"
constexpr std::size_t kExtraBlockHeaderSize = 4;
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
constexpr std::int64_t kTicksPerSecond = 10000000;

bool IsDosHost(std::uint16_t versionMadeBy) {
    const unsigned host = versionMadeBy >> 8;
    return host == 0 || host == 7 || host == 11 || host == 14;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsCalendarTime(const ZipCalendarTime& t) {
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= DaysInMonth(t.year, t.month) &&
           t.hour <= 23 && t.minute <= 59 && t.second <= 59;
}

ZipCalendarTime FromDos(std::uint32_t dosDateTime) {
    const std::uint32_t date = dosDateTime >> 16;
    const std::uint32_t time = dosDateTime & 0xFFFF;
    ZipCalendarTime t;
    t.year = 1980 + static_cast<int>(date >> 9);
    t.month = static_cast<int>((date >> 5) & 0x0F);
    t.day = static_cast<int>(date & 0x1F);
    t.hour = static_cast<int>(time >> 11);
    t.minute = static_cast<int>((time >> 5) & 0x3F);
    t.second = 2 * static_cast<int>(time & 0x1F);
    return t;
}

std::uint16_t ReadU16(ZipBytes bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint64_t UnixSecondsToFileTime(ZipBytes bytes, std::size_t at) {
    const auto value = static_cast<std::int32_t>(ReadU16(bytes, at) |
                                                 (std::uint32_t{ReadU16(bytes, at + 2)} << 16));
    return static_cast<std::uint64_t>((value + kSecondsFrom1601To1970) * kTicksPerSecond);
}

// The block's data: a flags byte, then a write, an access and a creation time (each a signed
// 32-bit count of seconds since 1970) for flag bits 0, 1 and 2, in that order.
bool ApplyExtendedTimestamp(ZipBytes data, ZipFileTimes& times) {
    if (data.empty()) {
        return true;
    }
    const unsigned flags = data[0];
    std::uint64_t* const targets[] = {&times.write, &times.access, &times.creation};
    std::size_t at = 1;
    for (unsigned bit = 0; bit < 3; ++bit) {
        if ((flags & (1u << bit)) == 0) {
            continue;
        }
        if (data.size() - at < 4) {
            return false;
        }
        *targets[bit] = UnixSecondsToFileTime(data, at);
        at += 4;
    }
    return true;
}

// Walks the blocks while at least 5 bytes remain from a block's start; the first "UT" block is
// used and ends the walk.
bool ApplyFirstExtendedTimestamp(ZipBytes extra, ZipFileTimes& times) {
    for (std::size_t at = 0; extra.size() - at >= kExtraBlockHeaderSize + 1;) {
        const std::uint16_t id = ReadU16(extra, at);
        const std::size_t size = ReadU16(extra, at + 2);
        const std::size_t dataAt = at + kExtraBlockHeaderSize;
        if (id == kExtendedTimestampId) {
            return extra.size() - dataAt >= size &&
                   ApplyExtendedTimestamp(extra.subspan(dataAt, size), times);
        }
        if (extra.size() - dataAt < size) {
            return true;
        }
        at = dataAt + size;
    }
    return true;
}

}  // namespace

std::uint32_t MapZipAttributes(std::uint16_t versionMadeBy, std::uint32_t externalAttributes) {
    std::uint32_t attributes = 0;
    if (IsDosHost(versionMadeBy)) {
        attributes |= (externalAttributes & 0x01) ? kZipAttributeReadOnly : 0;
        attributes |= (externalAttributes & 0x02) ? kZipAttributeHidden : 0;
        attributes |= (externalAttributes & 0x04) ? kZipAttributeSystem : 0;
        attributes |= (externalAttributes & 0x10) ? kZipAttributeFolder : 0;
        attributes |= (externalAttributes & 0x20) ? kZipAttributeArchive : 0;
        return attributes;
    }
    attributes |= (externalAttributes & 0x40000000) ? kZipAttributeFolder : 0;
    attributes |= (externalAttributes & 0x00800000) ? 0 : kZipAttributeReadOnly;
    return attributes | kZipAttributeArchive;
}

ZipResult ReadZipEntryTimes(std::uint32_t dosDateTime, ZipBytes localExtra, ZipFileTimes& times) {
    const ZipCalendarTime local = FromDos(dosDateTime);
    std::uint64_t fileTime = 0;
    if (!IsCalendarTime(local) || !LocalTimeToZipFileTime(local, fileTime)) {
        return kZipHeaderMismatch;
    }
    ZipFileTimes result{fileTime, fileTime, fileTime};
    if (!ApplyFirstExtendedTimestamp(localExtra, result)) {
        return kZipBadExtraField;
    }
    times = result;
    return kZipOk;
}
