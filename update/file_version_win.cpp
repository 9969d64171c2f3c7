#include <windows.h>

#include <cwchar>
#include <vector>

#include "update/file_version.h"

namespace {

// The FileVersion text of one language and code page; "" when the file has none for that pair.
std::wstring FileVersionOfTranslation(const void* info, WORD language, WORD codePage) {
    wchar_t query[64] = {};
    std::swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\FileVersion", language, codePage);
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(info, query, &value, &length) || value == nullptr) {
        return L"";
    }
    const auto* text = static_cast<const wchar_t*>(value);
    return std::wstring(text, ::wcsnlen(text, length));
}

// Concatenates the FileVersion texts of every entry of the translation table, in table order.
std::wstring FileVersionsOfAllTranslations(const void* info) {
    void* table = nullptr;
    UINT bytes = 0;
    if (!::VerQueryValueW(info, L"\\VarFileInfo\\Translation", &table, &bytes) ||
        table == nullptr) {
        return L"";
    }
    const auto* entries = static_cast<const WORD*>(table);
    std::wstring result;
    for (UINT i = 0; i < bytes / 4; ++i) {
        result += FileVersionOfTranslation(info, entries[2 * i], entries[2 * i + 1]);
    }
    return result;
}

}  // namespace

std::wstring GetFileVersionString(const std::wstring& path) {
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return L"";
    }
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        return kNoFileVersionText;
    }
    std::vector<BYTE> info(size);
    if (!::GetFileVersionInfoW(path.c_str(), 0, size, info.data())) {
        return L"";
    }
    return FileVersionsOfAllTranslations(info.data());
}
