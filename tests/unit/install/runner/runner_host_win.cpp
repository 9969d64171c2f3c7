#include <ole2.h>
#include <windows.h>

#include <memory>

#include "app/registry_root.h"
#include "platform/win/win_app.h"
#include "tests/unit/install/runner/runner_host.h"

namespace {

// The one application object of the runner process, as in the launcher.
std::unique_ptr<WinApp> g_app;

}  // namespace

RunnerHost::RunnerHost() {
    g_app = std::make_unique<WinApp>();
    g_app->SetRegistryKey(kRegistryRoot);
    ::OleInitialize(nullptr);
}

RunnerHost::~RunnerHost() {
    ::OleUninitialize();
    g_app.reset();
}
