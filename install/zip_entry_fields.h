// What GetEntry derives from an entry's headers besides its name: attributes and times.
#pragma once

#include <cstdint>

#include "install/zip_format.h"
#include "install/zip_output.h"
#include "install/zip_result.h"

inline constexpr std::uint32_t kZipAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kZipAttributeHidden = 0x02;
inline constexpr std::uint32_t kZipAttributeSystem = 0x04;
inline constexpr std::uint32_t kZipAttributeFolder = 0x10;
inline constexpr std::uint32_t kZipAttributeArchive = 0x20;

// Windows attribute bits from the external attributes. Hosts 0, 7, 11 and 14 (DOS, Macintosh,
// NTFS, VFAT) store DOS bits in the low byte; any other host stores a Unix mode in the high
// half: a folder when bit 30 is set, read-only when the owner's write bit (23) is clear, and
// always with the archive bit.
std::uint32_t MapZipAttributes(std::uint16_t versionMadeBy, std::uint32_t externalAttributes);

// All three times from the DOS date and time (local time, converted to UTC), then each time
// that the first "UT" block of the local extra field carries. kZipHeaderMismatch when the DOS
// stamp is no calendar date, kZipBadExtraField when the "UT" block claims more than it holds.
ZipResult ReadZipEntryTimes(std::uint32_t dosDateTime, ZipBytes localExtra, ZipFileTimes& times);
