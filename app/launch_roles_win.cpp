// The bodies of the process roles on Windows. Roles whose windows are not built yet say so on the
// debugger output and return the way a failed step of that role returns, so that the start-up
// contract holds meanwhile.
#include <windows.h>

#include "app/launch_roles.h"
#include "app/uninstall.h"
#include "install/installation.h"
#include "ui/custom_message_box_win.h"

namespace {

void ReportPending(const wchar_t* role) {
    std::wstring line = L"Torvane: not built yet: ";
    line += role;
    line += L"\n";
    ::OutputDebugStringW(line.c_str());
}

}  // namespace

void RunUpdateHandOver(const std::wstring&) {
    ReportPending(L"update hand-over");
}

void RunUninstallConfirmation() {
    RunUninstallConfirmationStage([](const std::wstring& title, const std::wstring& text) {
        CCustomMessageBox question;
        question.SetText(title, text);
        return question.DoModal() != IDCANCEL;
    });
}

void RunUninstallRemoval(const std::wstring& installedPath) {
    RunUninstallRemovalStage(installedPath);
}

bool RunGameWindow(const FrameArguments&) {
    ReportPending(L"game window");
    return false;
}

void RunNormalLauncher() {
    // The login window runs the installation pass when it opens; until it exists, the start runs
    // the pass itself so that a start installs the launcher.
    RunInstallation();
    ReportPending(L"login window and main frame");
}
