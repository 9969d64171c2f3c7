#include <windows.h>

#include "platform/win/win_handles.h"
#include "update/file_append.h"

bool AppendToFile(const std::wstring& path, std::string_view bytes) {
    // Append access only (no FILE_WRITE_DATA): every write goes to the current end of the file,
    // even when another process appended since we opened it.
    UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ | FILE_APPEND_DATA,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > MAXDWORD ? MAXDWORD : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file.Get(), bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}
