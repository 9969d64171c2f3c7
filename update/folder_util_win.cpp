#include <windows.h>

#include <cwchar>

#include "platform/win/win_handles.h"
#include "update/folder_util.h"

namespace {

bool IsDotEntry(const wchar_t* name) {
    return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0;
}

}  // namespace

bool IsFolderEmpty(const std::wstring& folder) {
    const std::wstring pattern = folder + L"\\*.*";
    WIN32_FIND_DATAW entry{};
    UniqueFindHandle search(::FindFirstFileW(pattern.c_str(), &entry));
    if (!search) {
        return true;
    }
    bool empty = true;
    do {
        if (!IsDotEntry(entry.cFileName)) {
            empty = false;
        }
    } while (::FindNextFileW(search.Get(), &entry));
    return empty;
}
