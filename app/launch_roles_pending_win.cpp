// Role bodies whose windows and steps are not built yet: each says so on the debugger output and
// returns the way a failed step of that role returns, so the start-up contract holds meanwhile.
#include <windows.h>

#include "app/launch_roles.h"

namespace {

void ReportPending(const wchar_t* role) {
    std::wstring line = L"Torvane: role not built yet: ";
    line += role;
    line += L"\n";
    ::OutputDebugStringW(line.c_str());
}

}  // namespace

void RunUpdateHandOver(const std::wstring&) { ReportPending(L"update hand-over"); }

void RunUninstallConfirmation() { ReportPending(L"uninstall confirmation"); }

void RunUninstallRemoval(const std::wstring&) { ReportPending(L"uninstall removal"); }

bool RunGameWindow(const FrameArguments&) {
    ReportPending(L"game window");
    return false;
}

void RunNormalLauncher() { ReportPending(L"normal launcher"); }
