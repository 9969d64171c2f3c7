#include "app/settings.h"

#include <algorithm>

#include "app/app_paths.h"
#include "app/command_line.h"
#include "app/profile_file.h"

void ReadSetting(std::wstring section, std::wstring key, std::wstring defaultValue,
                 wchar_t (&buffer)[kSettingBufferLength]) {
    const std::wstring value =
        ReadProfileValue(section, key, defaultValue, GetSettingsFilePath(), kSettingBufferLength);
    const std::size_t length = std::min<std::size_t>(value.size(), kSettingBufferLength - 1);
    std::copy_n(value.begin(), length, buffer);
    buffer[length] = L'\0';
}

void WriteSetting(std::wstring section, std::wstring key, std::wstring value) {
    WriteProfileValue(section, key, value, GetSettingsFilePath());
}

long SettingToNumber(const wchar_t* text) {
    return text == nullptr ? 0 : ParseDecimalLong(text);
}
