#include <gio/gio.h>

#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <system_error>

#include "install/shell_desktop_entry_posix.h"
#include "install/shell_ops.h"
#include "install/shell_paths.h"
#include "platform/utf8.h"

namespace {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};

struct GErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};

using UniqueGFile = std::unique_ptr<GFile, GObjectUnref>;
using UniqueGError = std::unique_ptr<GError, GErrorFree>;

// Deleted for good; symbolic links inside the tree are removed, never followed.
bool DeleteTree(const std::string& path) {
    std::error_code error;
    std::filesystem::remove_all(path, error);
    return !error;
}

// Into the trash of the file's own file system. Only where that file system can hold no trash is
// the item deleted for good, as the Windows shell does for drives without a Recycle Bin; any
// other failure (missing, no permission) deletes nothing.
bool MoveToTrash(const std::string& path) {
    const UniqueGFile file(g_file_new_for_path(path.c_str()));
    GError* failure = nullptr;
    if (g_file_trash(file.get(), nullptr, &failure)) {
        return true;
    }
    const UniqueGError error(failure);
    return g_error_matches(error.get(), G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED) && DeleteTree(path);
}

bool WriteEntry(const std::string& path, const std::string& text) {
    GError* failure = nullptr;
    const bool written =
        g_file_set_contents(path.c_str(), text.data(), static_cast<gssize>(text.size()), &failure);
    const UniqueGError error(failure);
    return written;
}

std::wstring NameWithoutExtension(const std::wstring& linkName) {
    if (!linkName.ends_with(kShortcutExtension)) {
        return linkName;
    }
    return linkName.substr(0, linkName.size() - kShortcutExtension.size());
}

bool SaveShortcut(const std::wstring& target, const std::wstring& arguments,
                  const std::wstring& folder, const std::wstring& linkName, bool withIcon) {
    DesktopEntryFields fields{.name = NameWithoutExtension(linkName),
                              .target = target,
                              .arguments = arguments,
                              .icon = withIcon ? ShortcutIconPath(target) : L""};
    const std::optional<std::string> entry = FormatDesktopEntry(fields);
    if (!entry) {
        return false;
    }
    return WriteEntry(WideToUtf8(JoinPath(folder, linkName)), *entry);
}

}  // namespace

bool ShellDelete(const std::wstring& path) {
    if (!IsDeletablePathText(path)) {
        return false;
    }
    try {
        return MoveToTrash(WideToUtf8(path));
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// Nothing on Linux watches for such announcements: file managers and menus follow the file
// system themselves.
void NotifyRemoved(std::wstring& path) {
    CutToParentFolder(path);
}

bool CreateShortcut(const std::wstring& target, const std::wstring& arguments,
                    const std::wstring& folder, const std::wstring& linkName, bool withIcon) {
    try {
        return SaveShortcut(target, arguments, folder, linkName, withIcon);
    } catch (const std::bad_alloc&) {
        return false;
    }
}
