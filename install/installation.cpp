#include "install/installation.h"

#include <algorithm>

#include "app/app_paths.h"
#include "app/command_line.h"
#include "app/settings.h"
#include "app/string_resources.h"
#include "install/embedded_archive.h"
#include "install/install_system.h"
#include "install/shell_ops.h"
#include "install/shell_paths.h"
#include "install/zip_archive.h"
#include "update/file_version.h"

namespace {

constexpr long kExtractedMarker = 1001;
constexpr wchar_t kSettingsEntryName[] = L"systemset.ini";
// The profile section of the installation record: a fixed text of the program.
constexpr wchar_t kProfileSection[] = L"Kelmira";

void CreateFolderIfMissing(const std::wstring& folder) {
    if (!PathExists(folder)) {
        CreateFolder(folder);
    }
}

long ReadSettingNumber(const wchar_t* section, const wchar_t* key, const wchar_t* fallback) {
    wchar_t buffer[kSettingBufferLength] = {};
    ReadSetting(section, key, fallback, buffer);
    return SettingToNumber(buffer);
}

void ExtractArchiveEntries(ZipArchive& archive, const std::wstring& resourceFolder) {
    archive.SetBaseFolder(resourceFolder);
    ZipEntryInfo count;
    if (archive.GetEntry(-1, count) != 0) {
        return;
    }
    for (int index = 0; index < count.index; ++index) {
        ZipEntryInfo entry;
        if (archive.GetEntry(index, entry) != 0) {
            continue;
        }
        const std::wstring name = entry.name;
        // The user's settings survive: the default file only goes where there is none.
        if (name == kSettingsEntryName && PathExists(JoinPath(resourceFolder, name))) {
            continue;
        }
        archive.ExtractEntry(index, name);
    }
}

// The installation's menu folder: programs menu, maker, game; created where missing.
std::wstring PrepareMenuFolder() {
    const std::wstring programs = GetProgramsMenuFolder();
    if (programs.empty()) {
        return L"";
    }
    CreateFolderIfMissing(programs);  // a fresh Linux user may have no applications folder yet
    const std::wstring maker = JoinPath(programs, LoadStringResource(IDS_COMPANY_NAME));
    CreateFolderIfMissing(maker);
    const std::wstring game = JoinPath(maker, LoadStringResource(IDS_PRODUCT_NAME));
    CreateFolderIfMissing(game);
    return game;
}

void WriteMenuShortcuts(const std::wstring& installedExe) {
    const std::wstring menuFolder = PrepareMenuFolder();
    if (menuFolder.empty()) {
        return;
    }
    const std::wstring extension(kShortcutExtension);
    CreateShortcut(installedExe, L"1", menuFolder, LoadStringResource(IDS_PRODUCT_NAME) + extension,
                   false);
    CreateShortcut(installedExe, L"-u", menuFolder,
                   LoadStringResource(IDS_UNINSTALL_TITLE) + extension, true);
}

void RecordInProfile(const UninstallRecord& record) {
    if (ReadAppProfile(kProfileSection, L"Path", L"no find!") == record.path) {
        return;
    }
    WriteAppProfile(kProfileSection, L"Path", record.path);
    WriteAppProfile(kProfileSection, L"DisplayName", record.displayName);
    WriteAppProfile(kProfileSection, L"Publisher", record.publisher);
    WriteAppProfile(kProfileSection, L"UninstallString", record.uninstallString);
}

void CopyWhenMissingOrOlder(const std::wstring& runningExe, const std::wstring& installedExe) {
    const long installed = VersionNumberOf(GetFileVersionString(installedExe));
    const long running = VersionNumberOf(GetFileVersionString(runningExe));
    if (installed != 0 && installed >= running) {
        return;
    }
    CopyExecutableOver(runningExe, installedExe);
    if (ReadSettingNumber(L"Start", L"firststart", L"0") != 0) {
        WriteSetting(L"Start", L"firststart", L"0");
    }
}

}  // namespace

long VersionNumberOf(const std::wstring& versionText) {
    std::wstring digits = versionText;
    digits.erase(std::remove(digits.begin(), digits.end(), L'.'), digits.end());
    return ParseDecimalLong(digits);
}

void ExtractEmbeddedResources(const std::wstring& installFolder) {
    const std::wstring resourceFolder = JoinPath(installFolder, L"res");
    if (ReadSettingNumber(L"Setting", L"start", L"-1") == kExtractedMarker) {
        return;
    }
    CreateFolderIfMissing(resourceFolder);

    const auto bytes = EmbeddedArchiveBytes();
    ZipArchive archive;
    if (!bytes.empty() && archive.Open(bytes.data(), bytes.size()) == 0) {
        ExtractArchiveEntries(archive, resourceFolder);
        archive.Close();
    }

    const std::wstring leftover = JoinPath(installFolder, L"data.zip");
    if (PathExists(leftover)) {
        DeleteFileAt(leftover);
    }
    // Written even after a failed extraction, so that it is not retried at every start.
    WriteSetting(L"Setting", L"start", std::to_wstring(kExtractedMarker));
}

void RunInstallation() {
    const std::wstring appData = GetAppDataFolder();
    const std::wstring runningExe = GetExecutablePath();

    const std::wstring makerFolder = JoinPath(appData, LoadStringResource(IDS_MAKER_FOLDER_OUTER));
    CreateFolderIfMissing(makerFolder);
    const std::wstring installFolder =
        JoinPath(makerFolder, LoadStringResource(IDS_MAKER_FOLDER_INNER));
    CreateFolderIfMissing(installFolder);

    ExtractEmbeddedResources(installFolder);

    UninstallRecord record;
    record.path = JoinPath(installFolder, FileNameOfPath(runningExe));
    record.displayName = LoadStringResource(IDS_PRODUCT_NAME);
    record.publisher = LoadStringResource(IDS_PUBLISHER_SECTION);
    record.uninstallString = record.path + L" -u";

    WriteMenuShortcuts(record.path);
    RegisterUninstallEntry(record);
    RecordInProfile(record);
    CopyWhenMissingOrOlder(runningExe, record.path);
}
