#include <shlobj.h>
#include <windows.h>

#include "tests/unit/app/app_paths_fixture.h"

void PrepareAppDataEnvironment() {}

std::wstring ExpectedAppDataFolder() {
    // Asked by known-folder id, a different route from the one the code takes.
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &path))) {
        folder = path;
    }
    ::CoTaskMemFree(path);
    return folder;
}

std::wstring ExpectedCacheFolder() {
    return ExpectedAppDataFolder() + L"\\cache";
}

std::filesystem::path FsPathOf(const std::wstring& path) {
    return path;
}

void ChangeAppDataEnvironment() {
    ::SetEnvironmentVariableW(L"APPDATA", L"C:\\elsewhere");
}
