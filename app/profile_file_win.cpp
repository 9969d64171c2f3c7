#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "app/profile_entry.h"
#include "app/profile_file.h"

std::wstring ReadProfileValue(const std::wstring& section, const std::wstring& key,
                              const std::wstring& defaultValue, const std::wstring& path,
                              std::size_t bufferSize) {
    const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bufferSize, MAXDWORD));
    if (size == 0) {
        return {};
    }
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD length = ::GetPrivateProfileStringW(
        section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(), size, path.c_str());
    return std::wstring(buffer.data(), std::min<DWORD>(length, size - 1));
}

bool WriteProfileValue(const std::wstring& section, const std::wstring& key,
                       const std::wstring& value, const std::wstring& path) {
    // The platform would write a line break in a value as a new line (even a new section) and
    // crashes on empty names; such entries are refused here, as on Linux.
    if (!IsStorableProfileEntry(UpToNul(std::wstring_view(section)),
                                UpToNul(std::wstring_view(key)),
                                UpToNul(std::wstring_view(value)))) {
        return false;
    }
    return ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(),
                                        path.c_str()) != FALSE;
}
