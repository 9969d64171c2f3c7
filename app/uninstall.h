// The two stages of uninstalling, in two processes because a running executable cannot delete
// its own file: the installed launcher asks, copies itself to the cache folder and starts the
// copy with "-u <installed path>"; the copy removes the shortcuts, the executable, its resource
// folder and the menu folders left empty.
#pragma once

#include <functional>
#include <string>

// The question of the confirmation stage, asked by the caller's message box: true to go on.
using UninstallQuestion = std::function<bool(const std::wstring& title, const std::wstring& text)>;

// Confirmation stage (a command line ending in "-u").
void RunUninstallConfirmationStage(const UninstallQuestion& ask);

// Removal stage ("-u <installed executable>"). The executable and its resource folder are removed
// only when they lie in the launcher's own install folder, so a hand-made command line cannot
// delete someone else's files.
void RunUninstallRemovalStage(const std::wstring& installedExe);
