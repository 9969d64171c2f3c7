// Shell file and shortcut operations shared by the installation and the uninstaller. No state, no
// user interface; every result is a plain success flag.
//
// Windows: the shell (Recycle Bin, change notifications, .lnk files). Linux: the freedesktop
// trash through GIO, no notifications, and .desktop entries in place of .lnk files.
#pragma once

#include <string>
#include <string_view>

// The file-name ending of a shortcut. Callers form the link name as "<name>" + this, so that the
// installation writes and the uninstaller deletes the same file on each platform; CreateShortcut
// writes exactly the link name it is given and never changes it.
#ifdef _WIN32
inline constexpr std::wstring_view kShortcutExtension = L".lnk";
#else
inline constexpr std::wstring_view kShortcutExtension = L".desktop";
#endif

// Deletes a file or a whole folder tree. Windows: through the shell into the Recycle Bin, with
// no dialog or progress window. Linux: into the user's trash; where the file system has no trash,
// deleted for good (the Windows shell does the same for drives without a Recycle Bin).
// True on success. An empty path or one holding a NUL is refused with false and nothing is
// deleted; so, on Windows, is one holding a wildcard ('*', '?'), which no file name may hold and
// which the shell would expand to other files.
bool ShellDelete(const std::wstring& path);

// Announces that `path` (a file or a folder) was removed, then cuts `path` back to its parent
// folder (the text before its last separator) and announces an update of that folder. A path
// without a separator is left unchanged and only the removal is announced. Linux: no one to
// notify; only the cut happens.
void NotifyRemoved(std::wstring& path);

// ShellDelete(path); on success NotifyRemoved(path) and true, on failure false with `path`
// unchanged and nothing announced.
bool DeleteAndNotify(std::wstring& path);

// Writes the shortcut file `folder` + separator + `linkName`, replacing one of that name, which
// starts `target` with `arguments`, in a normal window, with an empty description and no working
// folder. With `withIcon`, its icon is the target's folder + "res" + "uninstall.ico" (index 0 on
// Windows). True when the file was saved; false when it could not be (a missing folder, say).
//
// Windows: a .lnk through IShellLinkW; COM is initialised for the call when the thread has not
// done so. Linux: a .desktop entry (Type=Application, Name = the link name without
// kShortcutExtension, Exec = the target and, when not empty, the arguments text as one argument,
// so that the launcher, which rebuilds its command line by joining its arguments, reads exactly
// that text; Icon with `withIcon`). Texts holding control characters cannot be written into an
// entry and give false.
bool CreateShortcut(const std::wstring& target, const std::wstring& arguments,
                    const std::wstring& folder, const std::wstring& linkName, bool withIcon);
