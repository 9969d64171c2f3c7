#include <shlobj.h>
#include <shlwapi.h>
#include <windows.h>

#include "install/install_system.h"
#include "platform/win/win_app.h"
#include "platform/win/win_handles.h"

namespace {

constexpr wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
// The entry's subkey and the profile section: fixed texts of the program.
constexpr wchar_t kEntryName[] = L"Kelmira";

void SetStringValue(HKEY key, const wchar_t* name, const std::wstring& value) {
    // The terminating NUL counts in the size.
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
}

}  // namespace

bool PathExists(const std::wstring& path) {
    return ::PathFileExistsW(path.c_str()) != FALSE;
}

bool CreateFolder(const std::wstring& path) {
    return ::CreateDirectoryW(path.c_str(), nullptr) != FALSE;
}

bool DeleteFileAt(const std::wstring& path) {
    return ::DeleteFileW(path.c_str()) != FALSE;
}

bool CopyExecutableOver(const std::wstring& from, const std::wstring& to) {
    return ::CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

std::wstring GetProgramsMenuFolder() {
    PIDLIST_ABSOLUTE items = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_PROGRAMS, &items))) {
        return L"";
    }
    wchar_t buffer[MAX_PATH] = {};
    const BOOL found = ::SHGetPathFromIDListW(items, buffer);
    ::CoTaskMemFree(items);
    return found ? std::wstring(buffer) : std::wstring();
}

void RegisterUninstallEntry(const UninstallRecord& record) {
    UniqueRegistryKey uninstall;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_ALL_ACCESS,
                        uninstall.Receive()) != ERROR_SUCCESS) {
        return;
    }
    UniqueRegistryKey entry;
    DWORD disposition = 0;
    if (::RegCreateKeyExW(uninstall.Get(), kEntryName, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, entry.Receive(),
                          &disposition) != ERROR_SUCCESS ||
        !entry || disposition != REG_CREATED_NEW_KEY) {
        return;  // an existing entry stays as it is
    }
    SetStringValue(entry.Get(), L"Path", record.path);
    SetStringValue(entry.Get(), L"DisplayName", record.displayName);
    SetStringValue(entry.Get(), L"Publisher", record.publisher);
    SetStringValue(entry.Get(), L"UninstallString", record.uninstallString);
}

std::wstring ReadAppProfile(const std::wstring& section, const std::wstring& entry,
                            const std::wstring& defaultValue) {
    const WinApp* app = WinApp::Current();
    return app != nullptr ? app->GetProfileText(section, entry, defaultValue) : defaultValue;
}

void WriteAppProfile(const std::wstring& section, const std::wstring& entry,
                     const std::wstring& value) {
    if (WinApp* app = WinApp::Current()) {
        app->WriteProfileText(section, entry, value);
    }
}

std::wstring GetDesktopFolder() {
    wchar_t buffer[MAX_PATH] = {};
    return SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_DESKTOP, nullptr, 0, buffer))
               ? std::wstring(buffer)
               : std::wstring();
}

bool StartDetachedProcess(const std::wstring& program, const std::wstring& commandLine) {
    SECURITY_ATTRIBUTES processAttributes = {sizeof processAttributes, nullptr, TRUE};
    SECURITY_ATTRIBUTES threadAttributes = {sizeof threadAttributes, nullptr, TRUE};
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::wstring line = commandLine;  // CreateProcessW may write into it
    if (!::CreateProcessW(program.c_str(), line.data(), &processAttributes, &threadAttributes,
                          FALSE, CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return true;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}
