// The bodies of the process roles that the application object dispatches to (Windows).
#pragma once

#include <string>

#include "app/command_line.h"

// "-d <path>": copies the running executable over `installedPath`, starts it and ends the
// process. Returns only when the hand-over failed; the start then goes on.
void RunUpdateHandOver(const std::wstring& installedPath);

// Command line ending in "-u": asks the user, then starts the removal stage from a cache copy.
void RunUninstallConfirmation();

// "-u <installed executable>": removes what the installation created.
void RunUninstallRemoval(const std::wstring& installedPath);

// Creates the game window inside the named frame. True when the message loop is to run.
bool RunGameWindow(const FrameArguments& frame);

// The skinned launcher frame, modal; returns when it has ended.
void RunNormalLauncher();
