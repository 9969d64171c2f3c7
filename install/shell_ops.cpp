#include "install/shell_ops.h"

bool DeleteAndNotify(std::wstring& path) {
    if (!ShellDelete(path)) {
        return false;
    }
    NotifyRemoved(path);
    return true;
}
