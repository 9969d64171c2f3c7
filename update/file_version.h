// The file-version text of an executable.
#pragma once

#include <string>

// Stands for "this file carries no version record".
inline constexpr wchar_t kNoFileVersionText[] = L"None VerSion Supprot";

// "" when the file does not exist; kNoFileVersionText when it carries no version record;
// otherwise the FileVersion text of each translation, concatenated in table order. Windows reads
// the version resource; Linux reads the version note our build embeds in its ELF binaries
// (update/version_note.h), from any file, damaged ones included.
std::wstring GetFileVersionString(const std::wstring& path);
