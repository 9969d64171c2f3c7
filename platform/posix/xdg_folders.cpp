#include "platform/posix/xdg_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

std::string TrimTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return TrimTrailingSlash(home);
    }
    const passwd* entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/') {
        return TrimTrailingSlash(entry->pw_dir);
    }
    return "/tmp";
}

std::string XdgBaseFolder(const char* variable, const char* homeDefault) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') {
        return TrimTrailingSlash(value);
    }
    return HomeFolder() + homeDefault;
}
