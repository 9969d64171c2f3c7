// Process entry of the Linux build. The Linux command line is rebuilt as one text (the arguments
// joined by single blanks) so that the role choice reads it exactly as the Windows build reads its
// raw command line.
#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/uninstall.h"
#include "install/installation.h"
#include "platform/utf8.h"

namespace {

std::wstring JoinArguments(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            line += ' ';
        }
        line += argv[i];
    }
    return Utf8ToWide(line);
}

const char* RoleName(LaunchRole role) {
    switch (role) {
        case LaunchRole::GameWindow:
            return "game window";
        case LaunchRole::UninstallConfirm:
            return "uninstall confirmation";
        case LaunchRole::UninstallRemoval:
            return "uninstall removal";
        case LaunchRole::NormalLauncher:
            break;
    }
    return "normal launcher";
}

}  // namespace

int main(int argc, char** argv) {
    const LaunchChoice choice = ChooseLaunchRole(JoinArguments(argc, argv));
    switch (choice.role) {
        case LaunchRole::UninstallRemoval:
            RunUninstallRemovalStage(choice.uninstallPath);
            return 0;
        case LaunchRole::NormalLauncher:
            // The login window runs the pass when it opens; until the GTK windows exist, the
            // start runs it itself.
            RunInstallation();
            break;
        default:
            break;
    }
    // The Linux windows arrive with the GTK shell; until then the process names what is missing.
    std::fprintf(stderr, "torvane: not built yet on Linux: %s\n", RoleName(choice.role));
    return 0;
}
