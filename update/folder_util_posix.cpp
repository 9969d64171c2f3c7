#include <dirent.h>

#include <cstring>
#include <memory>

#include "platform/utf8.h"
#include "update/folder_util.h"

namespace {

struct DirectoryCloser {
    void operator()(DIR* listing) const { ::closedir(listing); }
};

bool IsDotEntry(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

}  // namespace

bool IsFolderEmpty(const std::wstring& folder) {
    const std::unique_ptr<DIR, DirectoryCloser> listing(::opendir(WideToUtf8(folder).c_str()));
    if (!listing) {
        return true;
    }
    bool empty = true;
    while (const dirent* entry = ::readdir(listing.get())) {
        if (!IsDotEntry(entry->d_name)) {
            empty = false;
        }
    }
    return empty;
}
