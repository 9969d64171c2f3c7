// Profile (INI) text held in memory: the lookup and the edit that the private-profile functions do
// on Windows, on bytes (UTF-8 on Linux) so that it can be tested and fuzzed without files.
//
// Lines end in CR LF, LF or a lone CR. A line whose first non-blank character is '[' and that
// holds a later ']' opens a section named by the text between the '[' and the last ']'; a line
// starting with ';' is a comment; any other non-blank line is an entry: the name before the first
// '=', the value after it (no '=': a name without a value). Blanks around names and values are
// dropped. Lines before the first section belong to a section with an empty name. Names match
// without regard to ASCII case (other characters match exactly); only the first matching section
// and, inside it, the first matching entry count; stored names count up to a NUL. A leading UTF-8
// byte-order mark is skipped.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/profile_entry.h"

// The value of section/key, blanks dropped and quotes kept; nullopt when the section or the key
// is missing or the entry has no '='.
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key);

// The text with section/key set to value (its leading blanks dropped): an existing entry's line
// is rewritten as "name=value" keeping its line end; a new key goes after the last entry of its
// section (before the comments and blank lines that follow it); a new section goes at the end of
// the text. New lines end in CR LF. Every other byte is
// kept. nullopt when the entry is not storable (IsStorableProfileEntry) or holds a NUL.
std::optional<std::string> SetProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value);

// What a caller's buffer of `bufferSize` characters receives for a value or a default: the text
// up to its first NUL, without one pair of enclosing quotes ("..." or '...'), cut to
// bufferSize - 1 characters.
std::wstring ProfileBufferText(std::wstring_view text, std::size_t bufferSize);

// A default text as the reader uses it: up to its first NUL, trailing spaces dropped.
std::wstring_view TrimProfileDefault(std::wstring_view defaultValue);

// The whole read on profile text (nullopt: no file): the value's buffer text, or the default's.
std::wstring ReadProfileText(const std::optional<std::string_view>& text, std::wstring_view section,
                             std::wstring_view key, std::wstring_view defaultValue,
                             std::size_t bufferSize);

// The whole write on profile text (nullopt: no file yet): the new file text, or nullopt when the
// entry is not storable. Names and value count up to their first NUL.
std::optional<std::string> WriteProfileText(const std::optional<std::string_view>& text,
                                            std::wstring_view section, std::wstring_view key,
                                            std::wstring_view value);
