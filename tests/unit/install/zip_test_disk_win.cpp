#include <windows.h>

#include "platform/win/win_handles.h"
#include "zip_test_disk.h"

namespace {

std::uint64_t Ticks(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// FILE_FLAG_BACKUP_SEMANTICS lets folders be opened as well.
bool ReadTimes(const std::filesystem::path& path, FILETIME& access, FILETIME& write) {
    UniqueFileHandle file(::CreateFileW(
        path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file && ::GetFileTime(file.Get(), nullptr, &access, &write);
}

}  // namespace

std::filesystem::path PathFromWide(const std::wstring& text) {
    return std::filesystem::path(text);
}

std::wstring WideFromUtf8(std::string_view text) {
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          size);
    return wide;
}

bool IsReadOnlyOnDisk(const std::filesystem::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

void MakeReadOnlyOnDisk(const std::filesystem::path& path) {
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
}

std::uint64_t WriteTimeOnDisk(const std::filesystem::path& path) {
    FILETIME access{}, write{};
    return ReadTimes(path, access, write) ? Ticks(write) : 0;
}

std::uint64_t AccessTimeOnDisk(const std::filesystem::path& path) {
    FILETIME access{}, write{};
    return ReadTimes(path, access, write) ? Ticks(access) : 0;
}
