// Folder helpers shared by the updater and the uninstaller.
#pragma once

#include <string>

// True when the folder holds no entry besides "." and "..", and also when it cannot be listed
// (missing, not a folder, no access). A folder holding only an empty sub-folder is not empty.
// The listing always runs to its end.
bool IsFolderEmpty(const std::wstring& folder);
