// Private-profile (INI) file access with the Windows semantics: names match without regard to
// case, blanks around values are dropped, surrounding quotes are removed, missing file, section or
// key yields the default, values come back cut to the buffer size less one. Windows: the
// private-profile functions; Linux: our own reader and writer that keeps the same file format.
#pragma once

#include <cstddef>
#include <string>

inline constexpr std::size_t kProfileBufferSize = 260;

// Like GetPrivateProfileStringW(section, key, default, buffer, bufferSize, path): the text the
// caller's buffer would hold.
std::wstring ReadProfileValue(const std::wstring& section, const std::wstring& key,
                              const std::wstring& defaultValue, const std::wstring& path,
                              std::size_t bufferSize = kProfileBufferSize);

// Like WritePrivateProfileStringW(section, key, value, path): replaces the key's value, appends a
// new key at the end of its section, a new section at the end of the file, and creates a missing
// file (its folder must exist). Returns false when the file could not be written.
bool WriteProfileValue(const std::wstring& section, const std::wstring& key,
                       const std::wstring& value, const std::wstring& path);
