// MD5 digest (RFC 1321) of a file as 32 lower-case hexadecimal digits.
#pragma once

#include <cstddef>
#include <string>

// How much of the file is read and hashed at a time: memory stays constant for any file size.
// 64 KiB reads keep pace with common MD5 tools (tests/bench/update/md5_compare.sh).
inline constexpr std::size_t kMd5ChunkSize = std::size_t{1} << 16;

// Appends the digest text of the file at `path` to `text` (the caller passes an empty string).
// False on any failure (a missing or unreadable file, something other than a regular file, a
// failed read or hash); then `text` may be partly filled or unchanged. Files of any size work.
bool GetFileMd5(const std::wstring& path, std::wstring& text);
