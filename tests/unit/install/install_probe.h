// What the installation tests look at, found independently of the code under test.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

std::filesystem::path FsPath(const std::wstring& path);

// Gives the stand-in launchers a user of their own (Linux: XDG folders in a temporary folder)
// and removes everything an installation leaves: install folder, menu folder, uninstall entry,
// profile.
void ResetUserState();

// The user's menu of programs (Start menu Programs folder, or the XDG applications folder).
std::wstring ProgramsMenuProbe();

// The stand-in launcher of version 1.0.0.<minor>, as a path the system can start.
std::wstring RunnerPath(int minor);

// Starts `program` with no arguments and waits for it; its exit code, or -1 when it did not run.
int RunProgram(const std::wstring& program);

struct ShortcutProbe {
    std::wstring target;
    std::wstring arguments;
    std::wstring iconPath;
};
// What the shortcut or menu entry at `path` starts; nullopt when it cannot be read.
std::optional<ShortcutProbe> ReadShortcut(const std::wstring& path);

struct EntryProbe {
    std::wstring path, displayName, publisher, uninstallString;
};
// The Add/Remove Programs entry (always nullopt where the platform has none).
std::optional<EntryProbe> ReadUninstallEntry();
// Overwrites one value of the entry, creating the entry when missing (Windows only).
bool WriteUninstallEntryValue(const wchar_t* name, const std::wstring& value);
// True where the platform keeps an Add/Remove Programs register.
bool HasUninstallRegister();

// One value of the installation's profile section; "<missing>" when absent.
std::wstring ReadProfileProbe(const wchar_t* entry);
