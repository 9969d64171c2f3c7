#include <cstdlib>

#include "app/app_paths.h"
#include "user_data_folder.h"

std::wstring UseScratchUserDataFolder(const std::filesystem::path& scratch) {
    ::setenv("XDG_DATA_HOME", scratch.c_str(), 1);
    return GetUserDataFolder();
}
