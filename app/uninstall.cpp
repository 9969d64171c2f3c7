#include "app/uninstall.h"

#include <chrono>
#include <thread>

#include "app/app_paths.h"
#include "app/string_resources.h"
#include "install/install_system.h"
#include "install/shell_ops.h"
#include "install/shell_paths.h"
#include "update/folder_util.h"

namespace {

// Paths of the shell's 260-character buffers: a longer one skips its step.
constexpr std::size_t kMaxPathLength = 259;

// The confirmation stage may still be running from the executable we are about to delete.
constexpr int kDeleteAttempts = 50;
constexpr auto kDeleteRetryDelay = std::chrono::milliseconds(100);

void DeleteShortcut(const std::wstring& folder, const std::wstring& name) {
    std::wstring path = JoinPath(folder, name + std::wstring(kShortcutExtension));
    if (!folder.empty() && path.size() <= kMaxPathLength) {
        DeleteAndNotify(path);
    }
}

void DeleteFolderIfEmpty(const std::wstring& folder) {
    std::wstring path = folder;
    if (path.size() <= kMaxPathLength && IsFolderEmpty(path)) {
        DeleteAndNotify(path);
    }
}

void DeleteExecutable(const std::wstring& path) {
    for (int attempt = 0; attempt < kDeleteAttempts && PathExists(path); ++attempt) {
        if (DeleteFileAt(path)) {
            return;
        }
        std::this_thread::sleep_for(kDeleteRetryDelay);
    }
}

}  // namespace

void RunUninstallConfirmationStage(const UninstallQuestion& ask) {
    const std::wstring text = L"您是否确认卸载《" + LoadStringResource(IDS_PRODUCT_NAME) + L"》？";
    if (!ask(L"卸载", text)) {
        return;
    }
    const std::wstring runningExe = GetExecutablePath();
    const std::wstring cacheFolder = GetCacheFolder();
    if (!PathExists(cacheFolder)) {
        CreateFolder(cacheFolder);
    }
    const std::wstring cacheCopy =
        JoinPath(cacheFolder, FileNameOfPath(LoadStringResource(IDS_UNINSTALL_COPY)));
    CopyExecutableOver(runningExe, cacheCopy);
    StartDetachedProcess(cacheCopy, L"-u " + runningExe);
}

void RunUninstallRemovalStage(const std::wstring& installedExe) {
    const std::wstring product = LoadStringResource(IDS_PRODUCT_NAME);
    const std::wstring maker = LoadStringResource(IDS_COMPANY_NAME);

    DeleteShortcut(GetDesktopFolder(),
                   LoadStringResource(IDS_PUBLISHER_SECTION) + L"《" + product + L"》");
    const std::wstring programs = GetProgramsMenuFolder();
    const std::wstring makerMenu = programs.empty() ? L"" : JoinPath(programs, maker);
    const std::wstring gameMenu = makerMenu.empty() ? L"" : JoinPath(makerMenu, product);
    DeleteShortcut(gameMenu, LoadStringResource(IDS_UNINSTALL_TITLE));
    DeleteShortcut(gameMenu, product);

    // Only the launcher's own install folder is ever emptied.
    std::wstring exeFolder = installedExe;  // the whole path when it has no separator
    CutToParentFolder(exeFolder);
    if (SamePath(exeFolder, GetInstallFolder())) {
        DeleteExecutable(installedExe);
        std::wstring resources = JoinPath(exeFolder, L"res");
        if (resources.size() <= kMaxPathLength) {
            DeleteAndNotify(resources);
        }
    }
    if (!gameMenu.empty()) {
        DeleteFolderIfEmpty(gameMenu);
        DeleteFolderIfEmpty(makerMenu);
    }
}
