// Where an extraction may write: the target checked and joined to the base folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The longest path the reader creates or writes, in characters (a 260-character buffer with its
// terminator).
inline constexpr std::size_t kZipMaxPath = 259;

struct ZipTargetPath {
    // The base folder first, then each folder level of the target from the outermost inwards.
    std::vector<std::wstring> folders;
    // The output file; empty for a folder target.
    std::wstring file;
};

enum class ZipTargetKind { kFile, kFolder };

// Joins `target` to `base` (which ends with a separator); both '\' and '/' separate levels and
// become the platform's separator. False, with nothing to create, when the target is empty,
// absolute ("\x", "/x", "\\server\share"), names a drive ("C:x"), holds a NUL, a ".." level (or
// another level of only dots and spaces) or a name the system keeps for devices, when a file
// target ends with a separator, or when a resulting path exceeds kZipMaxPath characters.
bool ResolveZipTarget(std::wstring_view base, std::wstring_view target, ZipTargetKind kind,
                      ZipTargetPath& path);
