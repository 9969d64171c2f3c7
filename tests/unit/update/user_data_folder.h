// Points the launcher's per-user data folder somewhere a test may write.
#pragma once

#include <filesystem>
#include <string>

// Linux: `scratch` becomes $XDG_DATA_HOME, which must happen before the first GetUserDataFolder
// call (it caches). Windows: the Wine prefix's own AppData folder is used; `scratch` is unused.
// Returns GetUserDataFolder().
std::wstring UseScratchUserDataFolder(const std::filesystem::path& scratch);
