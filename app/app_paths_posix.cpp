#include <unistd.h>

#include <string>

#include "app/app_paths.h"
#include "app/string_resources.h"
#include "platform/posix/xdg_folders.h"
#include "platform/utf8.h"

std::wstring GetAppDataFolder() {
    return Utf8ToWide(XdgBaseFolder("XDG_DATA_HOME", "/.local/share"));
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
    return Utf8ToWide(XdgBaseFolder("XDG_CACHE_HOME", "/.cache")) + L"/" +
           LoadStringResource(IDS_MAKER_FOLDER_OUTER);
}
