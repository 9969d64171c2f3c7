#include "install/shell_paths.h"

#include "app/path_separator.h"

bool IsDeletablePathText(const std::wstring& path) {
    return !path.empty() && path.find(L'\0') == std::wstring::npos;
}

bool CutToParentFolder(std::wstring& path) {
    const std::wstring::size_type separator = path.rfind(kPathSeparator);
    if (separator == std::wstring::npos) {
        return false;
    }
    path.resize(separator);
    return true;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    return folder + kPathSeparator + name;
}

std::wstring ShortcutIconPath(const std::wstring& target) {
    const std::wstring icon = JoinPath(L"res", L"uninstall.ico");
    std::wstring folder = target;
    if (!CutToParentFolder(folder)) {
        return icon;
    }
    return JoinPath(folder, icon);
}
