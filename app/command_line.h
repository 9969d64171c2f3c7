// The choice of the process's role from its raw command line. The line is one UTF-16 text as the
// system hands it over: never split into arguments, quotes not interpreted, compared exactly.
#pragma once

#include <cstdint>
#include <string>

enum class LaunchRole {
    NormalLauncher,    // the skinned frame with login, update check and game page
    GameWindow,        // the game page inside another process's frame window
    UninstallConfirm,  // the line ends in "-u"
    UninstallRemoval,  // "-u <installed executable>"
};

// What "-frameWnd=<handle> -gameurl=<address>" gave. A handle of 0 means "no frame".
struct FrameArguments {
    std::int32_t frameHandle = 0;
    std::wstring gameUrl;
};

struct LaunchChoice {
    // "-d <path>": try the update hand-over with `handOverArgument` first; when it does not end
    // the process, run `role` (never an uninstall stage then).
    bool tryUpdateHandOver = false;
    std::wstring handOverArgument;

    LaunchRole role = LaunchRole::NormalLauncher;
    std::wstring uninstallPath;  // UninstallRemoval: the file named after "-u "
    FrameArguments frame;        // GameWindow: the frame handle (not 0) and the page address
};

// The frame handle and page address of a command line; "-gameurl=" counts only after the
// handle's value and its blank, and runs to the end of the line.
FrameArguments ParseFrameArguments(const std::wstring& commandLine);

// The role of a process started with this command line.
LaunchChoice ChooseLaunchRole(const std::wstring& commandLine);

// wcstol on a 32-bit long: leading white space, optional sign, decimal digits up to the first
// non-digit; 0 without digits; saturates at the 32-bit range.
std::int32_t ParseDecimalLong(const std::wstring& text);
