// Path text rules that the shell operations share on both platforms.
#pragma once

#include <string>

// False for texts that must never reach a deletion: the empty text (which the system would take
// for the current folder) and texts holding a NUL (which would end the path early and name
// another file).
bool IsDeletablePathText(const std::wstring& path);

// Cuts `path` at its last separator, leaving the parent folder. False, with `path` unchanged, when
// there is no separator.
bool CutToParentFolder(std::wstring& path);

// `folder`, a separator, `name`.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// The uninstall icon beside a program: its folder + "res" + "uninstall.ico". For a target without
// a separator (a bare program name) the folder is the current one: "res" + "uninstall.ico".
std::wstring ShortcutIconPath(const std::wstring& target);
