// The operating-system services the installation pass needs, one implementation per platform.
#pragma once

#include <string>

bool PathExists(const std::wstring& path);

// Creates one folder level; false when it could not be created.
bool CreateFolder(const std::wstring& path);

// Deletes one file.
bool DeleteFileAt(const std::wstring& path);

// Copies the executable `from` over `to`, replacing it. Linux: written beside the target and
// renamed over it, so a running copy is never left half written, executable bits kept.
bool CopyExecutableOver(const std::wstring& from, const std::wstring& to);

// The user's menu of programs: Windows: the Start menu's Programs folder (CSIDL_PROGRAMS);
// Linux: $XDG_DATA_HOME/applications. "" when it cannot be found.
std::wstring GetProgramsMenuFolder();

// What the Add/Remove Programs entry and the profile record.
struct UninstallRecord {
    std::wstring path;             // installed executable
    std::wstring displayName;      // string 102
    std::wstring publisher;        // string 125
    std::wstring uninstallString;  // installed executable + " -u"
};

// Windows: creates HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Kelmira with the four
// values, only when the key is new; an existing entry is left alone, no rights means no entry.
// Linux has no such register: the uninstall menu entry stands for it.
void RegisterUninstallEntry(const UninstallRecord& record);

// The application's per-user profile: Windows: the registry profile of the application object
// (HKCU\Software\<root>\<app name>\<section>); Linux: $XDG_CONFIG_HOME/<app name>/profile.ini.
std::wstring ReadAppProfile(const std::wstring& section, const std::wstring& entry,
                            const std::wstring& defaultValue);
void WriteAppProfile(const std::wstring& section, const std::wstring& entry,
                     const std::wstring& value);

// The user's desktop folder; "" when it cannot be found. Linux: the XDG desktop folder
// ($XDG_DESKTOP_DIR, default ~/Desktop).
std::wstring GetDesktopFolder();

// Starts `program` with `commandLine` as its whole command-line text and does not wait for it.
// Linux: the text is the program's single argument, which the launcher reads back unchanged.
bool StartDetachedProcess(const std::wstring& program, const std::wstring& commandLine);

// True when both paths name the same place by the platform's rules for names (Windows: without
// regard to case).
bool SamePath(const std::wstring& a, const std::wstring& b);
