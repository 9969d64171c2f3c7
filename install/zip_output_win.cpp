#include <windows.h>

#include <algorithm>
#include <array>
#include <cwctype>
#include <string>

#include "install/zip_output.h"
#include "platform/win/win_handles.h"

namespace {

constexpr DWORD kPieceLimit = 1u << 30;

FILETIME ToFileTime(std::uint64_t ticks) {
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

bool WriteAll(HANDLE file, ZipBytes piece) {
    while (!piece.empty()) {
        const DWORD size = static_cast<DWORD>(std::min<std::size_t>(piece.size(), kPieceLimit));
        DWORD written = 0;
        if (!::WriteFile(file, piece.data(), size, &written, nullptr) || written == 0) {
            return false;
        }
        piece = piece.subspan(written);
    }
    return true;
}

bool IsReadOnlyFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) ==
               FILE_ATTRIBUTE_READONLY;
}

// A read-only file cannot be deleted until its attribute is cleared.
void RemoveFile(const std::wstring& path) {
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(path.c_str());
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return std::towupper(x) == std::towupper(y); });
}

// Device names count with any extension and with trailing spaces: "nul.txt", "CON ".
bool IsDeviceName(std::wstring_view name) {
    std::wstring_view stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') {
        stem.remove_suffix(1);
    }
    static constexpr std::array<std::wstring_view, 6> kDevices = {L"CON", L"PRN",    L"AUX",
                                                                  L"NUL", L"CONIN$", L"CONOUT$"};
    if (std::any_of(kDevices.begin(), kDevices.end(),
                    [stem](std::wstring_view d) { return EqualsIgnoringCase(stem, d); })) {
        return true;
    }
    const bool numbered = stem.size() == 4 && stem[3] >= L'1' && stem[3] <= L'9';
    return numbered && (EqualsIgnoringCase(stem.substr(0, 3), L"COM") ||
                        EqualsIgnoringCase(stem.substr(0, 3), L"LPT"));
}

}  // namespace

bool ZipPathExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ZipIsFolder(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ZipCreateFolder(const std::wstring& path) {
    return ::CreateDirectoryW(path.c_str(), nullptr) != FALSE;
}

std::wstring ZipCurrentFolder() {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = ::GetCurrentDirectoryW(MAX_PATH, buffer);
    if (length == 0 || length >= MAX_PATH) {
        return L"";
    }
    return std::wstring(buffer, length);
}

bool IsOrdinaryZipFileName(std::wstring_view name) {
    return name.find(L':') == std::wstring_view::npos && !IsDeviceName(name);
}

ZipResult WriteZipFile(const std::wstring& path, std::uint32_t attributes,
                       const ZipFileTimes& times, ZipPieceSource& source) {
    // Windows refuses to replace a read-only file; Wine run by root would not, so ask first.
    if (IsReadOnlyFile(path)) {
        return kZipCannotOpen;
    }
    const DWORD flags = attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
    UniqueFileHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, flags, nullptr));
    if (!file) {
        return kZipCannotOpen;
    }
    const ZipResult result =
        CopyZipPieces(source, [&](ZipBytes piece) { return WriteAll(file.Get(), piece); });
    if (result != kZipOk) {
        file.Reset();
        RemoveFile(path);
        return result;
    }
    const FILETIME creation = ToFileTime(times.creation);
    const FILETIME access = ToFileTime(times.access);
    const FILETIME write = ToFileTime(times.write);
    ::SetFileTime(file.Get(), &creation, &access, &write);
    return kZipOk;
}
