#include "app/rezazi_app_win.h"

#include <commctrl.h>
#include <gdiplus.h>
#include <ole2.h>

#include "app/command_line.h"
#include "app/launch_roles.h"
#include "app/registry_root.h"

bool CRezazi_Q5App::InitInstance() {
    RunSharedSetUp();
    return RunChosenRole();
}

void CRezazi_Q5App::RunSharedSetUp() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);

    WinApp::InitInstance();

    // Control hosting: the web browser control needs OLE on this thread.
    m_oleStarted = SUCCEEDED(::OleInitialize(nullptr));

    SetRegistryKey(kRegistryRoot);

    // A failed start shows later only as missing skin pictures.
    Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplusInput, nullptr);
}

bool CRezazi_Q5App::RunChosenRole() {
    const LaunchChoice choice = ChooseLaunchRole(::GetCommandLineW());
    if (choice.tryUpdateHandOver) {
        // Returns only when the hand-over did not end the process.
        RunUpdateHandOver(choice.handOverArgument);
    }
    switch (choice.role) {
        case LaunchRole::UninstallConfirm:
            RunUninstallConfirmation();
            return false;
        case LaunchRole::UninstallRemoval:
            RunUninstallRemoval(choice.uninstallPath);
            return false;
        case LaunchRole::GameWindow:
            return RunGameWindow(choice.frame);
        case LaunchRole::NormalLauncher:
            break;
    }
    RunNormalLauncher();
    return false;
}

int CRezazi_Q5App::ExitInstance() {
    if (m_gdiplusToken != 0) {
        Gdiplus::GdiplusShutdown(m_gdiplusToken);
        m_gdiplusToken = 0;
    }
    if (m_oleStarted) {
        ::OleUninitialize();
        m_oleStarted = false;
    }
    return WinApp::ExitInstance();
}

// The one application object of the process.
CRezazi_Q5App theApp;
