// Process entry of the Windows build: hands control to the one application object.
#include <windows.h>

#include "platform/win/win_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WinApp* app = WinApp::Current();
    return app != nullptr ? app->Run(instance) : 1;
}
