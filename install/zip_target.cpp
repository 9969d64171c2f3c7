#include "install/zip_target.h"

#include <algorithm>

#include "app/path_separator.h"
#include "install/zip_output.h"

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsAbsoluteOrDrive(std::wstring_view target) {
    return IsSeparator(target[0]) || (target.size() > 1 && target[1] == L':');
}

// "..", and names such as "..." or ". ." that Windows trims down to a parent step.
bool IsParentLike(std::wstring_view level) {
    const bool dotsAndSpaces =
        std::all_of(level.begin(), level.end(), [](wchar_t c) { return c == L'.' || c == L' '; });
    return dotsAndSpaces && std::count(level.begin(), level.end(), L'.') >= 2;
}

// The target's levels, empty ones (from doubled separators) left out.
std::vector<std::wstring_view> SplitLevels(std::wstring_view target) {
    std::vector<std::wstring_view> levels;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= target.size(); ++i) {
        if (i == target.size() || IsSeparator(target[i])) {
            if (i > start) {
                levels.push_back(target.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return levels;
}

bool AreSafeLevels(const std::vector<std::wstring_view>& levels) {
    return !levels.empty() && std::none_of(levels.begin(), levels.end(), [](std::wstring_view l) {
        return IsParentLike(l) || !IsOrdinaryZipFileName(l);
    });
}

}  // namespace

bool ResolveZipTarget(std::wstring_view base, std::wstring_view target, ZipTargetKind kind,
                      ZipTargetPath& path) {
    if (base.empty() || base.size() > kZipMaxPath || target.empty() || IsAbsoluteOrDrive(target) ||
        target.find(L'\0') != std::wstring_view::npos) {
        return false;
    }
    if (kind == ZipTargetKind::kFile && IsSeparator(target.back())) {
        return false;
    }
    const std::vector<std::wstring_view> levels = SplitLevels(target);
    if (!AreSafeLevels(levels)) {
        return false;
    }
    const std::size_t folderLevels =
        kind == ZipTargetKind::kFile ? levels.size() - 1 : levels.size();
    ZipTargetPath resolved;
    resolved.folders.emplace_back(base);
    std::wstring current(base);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (i > 0) {
            current += kPathSeparator;
        }
        current += levels[i];
        if (current.size() > kZipMaxPath) {
            return false;
        }
        if (i < folderLevels) {
            resolved.folders.push_back(current);
        }
    }
    if (kind == ZipTargetKind::kFile) {
        resolved.file = std::move(current);
    }
    path = std::move(resolved);
    return true;
}
