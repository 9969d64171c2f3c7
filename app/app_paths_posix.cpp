#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/app_paths.h"
#include "app/string_resources.h"
#include "platform/utf8.h"

namespace {

std::string TrimTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

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

// An XDG base folder: the variable when it holds an absolute path (relative ones are invalid
// and ignored by the rules), otherwise the home folder plus the default.
std::string XdgFolder(const char* variable, const char* homeDefault) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') {
        return TrimTrailingSlash(value);
    }
    return HomeFolder() + homeDefault;
}

}  // namespace

std::wstring GetAppDataFolder() {
    return Utf8ToWide(XdgFolder("XDG_DATA_HOME", "/.local/share"));
}

std::wstring GetExecutablePath() {
    std::string buffer(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0) {
        return L"";
    }
    buffer.resize(static_cast<std::size_t>(length));
    return Utf8ToWide(buffer);
}

std::wstring GetCacheFolder() {
    return Utf8ToWide(XdgFolder("XDG_CACHE_HOME", "/.cache")) + L"/" +
           LoadStringResource(IDS_MAKER_FOLDER_OUTER);
}
