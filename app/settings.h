// The per-user settings file systemset.ini.
#pragma once

#include <string>

inline constexpr int kSettingBufferLength = 260;

// Reads section/key of the settings file into the caller's 260-character buffer; the default when
// the file, section or key is missing. Never fails.
void ReadSetting(std::wstring section, std::wstring key, std::wstring defaultValue,
                 wchar_t (&buffer)[kSettingBufferLength]);

// Writes section/key of the settings file; a failed write is silently lost.
void WriteSetting(std::wstring section, std::wstring key, std::wstring value);

// The settings convention for numbers: optional blanks, optional sign, leading decimal digits;
// 0 when the text does not start with a number. Saturates at the range of a 32-bit long.
long SettingToNumber(const wchar_t* text);
