#include <windows.h>

#include "tests/unit/settings/settings_fixture.h"

std::wstring ToProfilePath(const std::filesystem::path& path) {
    return path.wstring();
}

std::filesystem::path FromProfilePath(const std::wstring& path) {
    return path;
}

bool RunsUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The per-user folder is the profile's own AppData; the tests keep what they find there.
void PrepareUserDataFolder() {}
