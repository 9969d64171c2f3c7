#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include "app/app_paths.h"
#include "app/registry_root.h"
#include "tests/host_path_win.h"
#include "tests/unit/install/install_probe.h"

namespace fs = std::filesystem;

namespace {

constexpr wchar_t kEntryKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kelmira";

std::wstring ProgramsFolder() {
    wchar_t buffer[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, 0, buffer);
    return buffer;
}

std::wstring ReadString(HKEY root, const std::wstring& key, const wchar_t* name) {
    wchar_t buffer[1024] = {};
    DWORD bytes = sizeof buffer;
    if (::RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &bytes) !=
        ERROR_SUCCESS) {
        return L"<missing>";
    }
    return buffer;
}

template <typename Interface>
struct Released {
    Interface* p = nullptr;
    ~Released() {
        if (p != nullptr) {
            p->Release();
        }
    }
};

}  // namespace

fs::path FsPath(const std::wstring& path) {
    return fs::path(path);
}

void ResetUserState() {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::error_code ignored;
    fs::remove_all(fs::path(GetAppDataFolder()) / L"vantro", ignored);
    fs::remove_all(fs::path(ProgramsFolder()) / L"Kelmira", ignored);
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kEntryKey);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\") + kRegistryRoot).c_str());
}

std::wstring ProgramsMenuProbe() {
    return ProgramsFolder();
}

std::wstring RunnerPath(int minor) {
    return HostPathUnderWine(RUNNER_DIR) + L"\\runner-100" + std::to_wstring(minor) +
           L"\\Torvane.exe";
}

std::optional<ShortcutProbe> ReadShortcut(const std::wstring& path) {
    Released<IShellLinkW> link;
    Released<IPersistFile> file;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&link.p))) ||
        FAILED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) ||
        FAILED(file.p->Load(path.c_str(), STGM_READ))) {
        return std::nullopt;
    }
    ShortcutProbe probe;
    wchar_t buffer[MAX_PATH] = {};
    link.p->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH);
    probe.target = buffer;
    buffer[0] = L'\0';
    link.p->GetArguments(buffer, MAX_PATH);
    probe.arguments = buffer;
    buffer[0] = L'\0';
    int index = 0;
    link.p->GetIconLocation(buffer, MAX_PATH, &index);
    probe.iconPath = buffer;
    return probe;
}

std::optional<EntryProbe> ReadUninstallEntry() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kEntryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    ::RegCloseKey(key);
    return EntryProbe{ReadString(HKEY_LOCAL_MACHINE, kEntryKey, L"Path"),
                      ReadString(HKEY_LOCAL_MACHINE, kEntryKey, L"DisplayName"),
                      ReadString(HKEY_LOCAL_MACHINE, kEntryKey, L"Publisher"),
                      ReadString(HKEY_LOCAL_MACHINE, kEntryKey, L"UninstallString")};
}

bool WriteUninstallEntryValue(const wchar_t* name, const std::wstring& value) {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, kEntryKey, name, REG_SZ, value.c_str(), bytes) ==
           ERROR_SUCCESS;
}

bool HasUninstallRegister() {
    return true;
}

std::wstring ReadProfileProbe(const wchar_t* entry) {
    // The stand-in launchers are named Torvane.exe: their profile is under "Torvane".
    return ReadString(HKEY_CURRENT_USER,
                      std::wstring(L"Software\\") + kRegistryRoot + L"\\Torvane\\Kelmira", entry);
}
