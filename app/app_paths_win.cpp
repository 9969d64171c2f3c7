#include <shlobj.h>
#include <windows.h>

#include "app/app_paths.h"

namespace {

std::wstring TrimTrailingBackslash(std::wstring folder) {
    while (folder.size() > 3 && folder.back() == L'\\') {
        folder.pop_back();
    }
    return folder;
}

std::wstring EnvironmentFolder(const wchar_t* name) {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(name, buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

}  // namespace

std::wstring GetAppDataFolder() {
    wchar_t buffer[MAX_PATH] = {};
    if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, buffer)) &&
        buffer[0] != L'\0') {
        return TrimTrailingBackslash(buffer);
    }
    // Without the shell's answer, keep a usable absolute folder: %APPDATA%, then the temp folder.
    std::wstring folder = EnvironmentFolder(L"APPDATA");
    if (folder.empty()) {
        const DWORD length = ::GetTempPathW(MAX_PATH, buffer);
        folder.assign(buffer, length < MAX_PATH ? length : 0);
    }
    return TrimTrailingBackslash(folder);
}

std::wstring GetExecutablePath() {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::wstring(buffer, length < MAX_PATH ? length : MAX_PATH - 1);
}

std::wstring GetCacheFolder() {
    return GetAppDataFolder() + L"\\cache";
}
