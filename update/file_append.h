// Appending bytes to a file, with the platform's own file calls and a wide path.
#pragma once

#include <string>
#include <string_view>

// Opens the file for reading and writing, creates it when missing (its folder must exist) and
// writes `bytes` at its end. Other processes may keep the file open meanwhile; each call's bytes
// land at the end even then. False when the file cannot be opened or not every byte was written.
bool AppendToFile(const std::wstring& path, std::string_view bytes);
