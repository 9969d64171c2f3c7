// Result codes of the ZIP reader: every operation returns one, 0 is success.
#pragma once

#include <cstdint>

using ZipResult = std::uint32_t;

inline constexpr ZipResult kZipOk = 0x00000000;
// The archive cannot be opened, the output cannot be created, or the entry's name or target
// cannot be used (it would leave the base folder, or does not fit 259 characters).
inline constexpr ZipResult kZipCannotOpen = 0x00000200;
inline constexpr ZipResult kZipWriteFailed = 0x00000400;
// The entry's headers are damaged or disagree: local against central header, an unknown
// compression method, a central header that cannot be read, a date that is no calendar date.
inline constexpr ZipResult kZipHeaderMismatch = 0x00000700;
// The local extra field, or a time block in it, runs past what the archive holds.
inline constexpr ZipResult kZipBadExtraField = 0x00000800;
inline constexpr ZipResult kZipBadPassword = 0x00001000;
// No archive, or an index out of range.
inline constexpr ZipResult kZipBadArgument = 0x00010000;
inline constexpr ZipResult kZipAlreadyOpen = 0x01000000;
// Decompression failed, the data ended early, or the data does not match the declared sizes.
inline constexpr ZipResult kZipDataError = 0x05000000;
