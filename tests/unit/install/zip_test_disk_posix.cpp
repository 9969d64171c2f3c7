#include <sys/stat.h>

#include "platform/utf8.h"
#include "zip_test_disk.h"

namespace {

constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;

std::uint64_t ToFileTime(const timespec& stamp) {
    return static_cast<std::uint64_t>((stamp.tv_sec + kSecondsFrom1601To1970) * 10000000 +
                                      stamp.tv_nsec / 100);
}

struct stat Stat(const std::filesystem::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}

}  // namespace

std::filesystem::path PathFromWide(const std::wstring& text) {
    return std::filesystem::path(WideToUtf8(text));
}

std::wstring WideFromUtf8(std::string_view text) {
    return Utf8ToWide(text);
}

bool IsReadOnlyOnDisk(const std::filesystem::path& path) {
    return (Stat(path).st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

void MakeReadOnlyOnDisk(const std::filesystem::path& path) {
    ::chmod(path.c_str(), 0444);
}

std::uint64_t WriteTimeOnDisk(const std::filesystem::path& path) {
    return ToFileTime(Stat(path).st_mtim);
}

std::uint64_t AccessTimeOnDisk(const std::filesystem::path& path) {
    return ToFileTime(Stat(path).st_atim);
}
