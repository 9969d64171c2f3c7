#include "app/app_paths.h"
#include "user_data_folder.h"

std::wstring UseScratchUserDataFolder(const std::filesystem::path&) {
    return GetUserDataFolder();
}
