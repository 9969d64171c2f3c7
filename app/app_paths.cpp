#include "app/app_paths.h"

#include "app/path_separator.h"
#include "app/string_resources.h"

namespace {

// Process-wide cache of the per-user data folder: computed once, then returned unchanged.
std::wstring g_userDataFolder;

}  // namespace

std::wstring FileNameOfPath(const std::wstring& path) {
    const auto separator = path.find_last_of(kPathSeparator);
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

std::wstring GetUserDataFolder() {
    if (g_userDataFolder.empty()) {
        std::wstring folder = GetAppDataFolder();
        folder += kPathSeparator;
        folder += LoadStringResource(IDS_MAKER_FOLDER_OUTER);
        folder += kPathSeparator;
        folder += LoadStringResource(IDS_MAKER_FOLDER_INNER);
        folder += kPathSeparator;
        g_userDataFolder = folder;
    }
    return g_userDataFolder;
}

std::wstring GetInstallFolder() {
    std::wstring folder = GetUserDataFolder();
    folder.pop_back();
    return folder;
}

std::wstring GetInstalledExecutablePath() {
    return GetInstallFolder() + kPathSeparator + FileNameOfPath(GetExecutablePath());
}

std::wstring GetResourceFolder() {
    return GetInstallFolder() + kPathSeparator + L"res";
}

std::wstring GetSettingsFilePath() {
    return GetUserDataFolder() + LoadStringResource(IDS_SETTINGS_FILE);
}

std::wstring GetUpdateLogPath() {
    return GetUserDataFolder() + L"res" + kPathSeparator + L"update.log";
}

std::wstring GetLeftoverArchivePath() {
    return GetInstallFolder() + kPathSeparator + L"data.zip";
}
