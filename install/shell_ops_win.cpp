#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <new>

#include "install/shell_ops.h"
#include "install/shell_paths.h"
#include "platform/win/com_ptr.h"

namespace {

// Silent, no confirmation, undo allowed: the shell moves the items to the Recycle Bin.
constexpr FILEOP_FLAGS kDeleteFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO;
constexpr UINT kNotifyFlags = SHCNF_PATHW | SHCNF_FLUSH;

// The shell expands wildcards in the file-name part of a source; no file name can hold them.
bool HoldsWildcard(const std::wstring& path) {
    return path.find_first_of(L"*?") != path.npos;
}

bool DeleteThroughShell(const std::wstring& path) {
    // The source list: the one path, then two terminating NULs (c_str adds the second).
    std::wstring source = path;
    source.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = source.c_str();
    operation.fFlags = kDeleteFlags;
    return ::SHFileOperationW(&operation) == 0;
}

bool SaveShortcut(const std::wstring& target, const std::wstring& arguments,
                  const std::wstring& shortcutPath, bool withIcon) {
    ComPtr<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_ALL, IID_IShellLinkW,
                                  link.ReceiveVoid()))) {
        return false;
    }
    ComPtr<IPersistFile> file;
    if (FAILED(link.QueryInterface(IID_IPersistFile, file))) {
        return false;
    }
    // The setters' results are not examined: the save is what tells whether a shortcut exists.
    link->SetPath(target.c_str());
    link->SetArguments(arguments.c_str());
    link->SetDescription(L"");
    if (withIcon) {
        link->SetIconLocation(ShortcutIconPath(target).c_str(), 0);
    }
    link->SetShowCmd(SW_SHOWNORMAL);
    return SUCCEEDED(file->Save(shortcutPath.c_str(), TRUE));
}

}  // namespace

bool ShellDelete(const std::wstring& path) {
    if (!IsDeletablePathText(path) || HoldsWildcard(path)) {
        return false;
    }
    try {
        return DeleteThroughShell(path);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void NotifyRemoved(std::wstring& path) {
    ::SHChangeNotify(SHCNE_RMDIR | SHCNE_INTERRUPT, kNotifyFlags, path.c_str(), nullptr);
    if (!CutToParentFolder(path) || path.empty()) {
        return;
    }
    ::SHChangeNotify(SHCNE_UPDATEDIR | SHCNE_INTERRUPT, kNotifyFlags, path.c_str(), nullptr);
}

bool CreateShortcut(const std::wstring& target, const std::wstring& arguments,
                    const std::wstring& folder, const std::wstring& linkName, bool withIcon) {
    const ScopedComApartment apartment;
    try {
        return SaveShortcut(target, arguments, JoinPath(folder, linkName), withIcon);
    } catch (const std::bad_alloc&) {
        return false;
    }
}
