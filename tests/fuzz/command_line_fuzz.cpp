// Any command line, of any content and length, chooses a role without crashing or hanging, and
// the choice keeps its invariants.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two bytes per UTF-16 code unit, as the system hands the line over.
    std::wstring line;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        line.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    }
    const LaunchChoice choice = ChooseLaunchRole(line);
    if (choice.role == LaunchRole::GameWindow && choice.frame.frameHandle == 0) {
        std::abort();
    }
    if (choice.tryUpdateHandOver && (choice.role == LaunchRole::UninstallConfirm ||
                                     choice.role == LaunchRole::UninstallRemoval)) {
        std::abort();
    }
    if (choice.frame.gameUrl.size() > line.size() || choice.uninstallPath.size() > line.size()) {
        std::abort();
    }
    const FrameArguments frame = ParseFrameArguments(line);
    if (!frame.gameUrl.empty() && !line.ends_with(frame.gameUrl)) {
        std::abort();
    }
    return 0;
}
