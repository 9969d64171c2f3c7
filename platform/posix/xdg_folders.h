// The user's folders by the XDG base-directory rules.
#pragma once

#include <string>

// $HOME when absolute, else the password database's home, else "/tmp"; no trailing slash.
std::string HomeFolder();

// The folder in `variable` when it holds an absolute path (relative ones are invalid and ignored
// by the rules), otherwise the home folder plus `homeDefault` (e.g. "/.local/share").
std::string XdgBaseFolder(const char* variable, const char* homeDefault);
