// Every folder and file the launcher keeps for the current user.
#pragma once

#include <string>

// The user's roaming application-data folder, no trailing separator. Windows: the shell's
// CSIDL_APPDATA folder; Linux: $XDG_DATA_HOME (default ~/.local/share).
std::wstring GetAppDataFolder();

// Full path of the running executable.
std::wstring GetExecutablePath();

// The text after the last separator of `path` (the whole text when there is none).
std::wstring FileNameOfPath(const std::wstring& path);

// AppData, string 124, string 117, each joined with a separator, plus a trailing separator.
// Computed once per process and cached; later calls return the same text.
std::wstring GetUserDataFolder();

// The per-user data folder without its trailing separator.
std::wstring GetInstallFolder();

// Install folder + separator + the running executable's file name.
std::wstring GetInstalledExecutablePath();

// Install folder + "res".
std::wstring GetResourceFolder();

// Per-user data folder + string 197 ("res//systemset.ini").
std::wstring GetSettingsFilePath();

// Per-user data folder + "res" + separator + "update.log".
std::wstring GetUpdateLogPath();

// Folder for temporary copies of the executable. Windows: AppData + "\cache";
// Linux: $XDG_CACHE_HOME (default ~/.cache) + "/" + string 124. Not created here.
std::wstring GetCacheFolder();

// Install folder + "data.zip", a leftover of older installers.
std::wstring GetLeftoverArchivePath();
