// The text of a freedesktop desktop entry (.desktop file) that starts a program: the Linux
// counterpart of a .lnk shortcut.
#pragma once

#include <optional>
#include <string>

struct DesktopEntryFields {
    std::wstring name;       // Name: what menus show
    std::wstring target;     // the program, first word of Exec
    std::wstring arguments;  // one further Exec argument when not empty
    std::wstring icon;       // Icon: a file path; no Icon key when empty
};

// The UTF-8 entry: "[Desktop Entry]", then Type=Application, Name, Comment (empty), Exec and, with
// an icon, Icon, one key a line. Exec words are quoted and escaped by the Desktop Entry rules.
// Nothing when a field holds a control character, which no entry can carry.
std::optional<std::string> FormatDesktopEntry(const DesktopEntryFields& fields);
