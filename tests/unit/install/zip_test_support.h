// Helpers shared by the ZIP reader's tests.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include <gtest/gtest.h>

#include "install/zip_archive.h"

// An archive opened over bytes it keeps alive itself.
class OpenedZip {
public:
    explicit OpenedZip(std::string bytes) : m_bytes(std::move(bytes)) {
        m_result = m_archive.Open(m_bytes.data(), m_bytes.size());
    }
    ZipArchive& Archive() { return m_archive; }
    ZipResult OpenResult() const { return m_result; }

private:
    std::string m_bytes;
    ZipArchive m_archive;
    ZipResult m_result = kZipOk;
};

inline std::uint64_t UnixToFileTime(std::int64_t seconds) {
    return static_cast<std::uint64_t>((seconds + 11644473600) * 10000000);
}

// A local calendar time as a UTC file time, through the C library's own time zone rules.
inline std::uint64_t LocalToFileTime(int year, int month, int day, int hour, int minute,
                                     int second) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    return UnixToFileTime(static_cast<std::int64_t>(std::mktime(&fields)));
}

// The entry with index `index` from GetEntry, or a failed expectation.
inline ZipEntryInfo EntryAt(ZipArchive& archive, int index) {
    ZipEntryInfo info;
    const ZipResult result = archive.GetEntry(index, info);
    EXPECT_EQ(result, kZipOk) << "entry " << index;
    return info;
}
