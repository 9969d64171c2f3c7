#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <ctime>
#include <string>

#include "install/zip_output.h"
#include "platform/utf8.h"
#include "update/unique_fd_posix.h"

namespace {

constexpr std::uint32_t kReadOnlyAttribute = 0x01;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr std::int64_t kTicksFrom1601To1970 = 116444736000000000;
constexpr std::int64_t kTicksPerSecond = 10000000;

timespec ToTimespec(std::uint64_t fileTime) {
    const std::int64_t ticks = static_cast<std::int64_t>(fileTime) - kTicksFrom1601To1970;
    std::int64_t seconds = ticks / kTicksPerSecond;
    std::int64_t rest = ticks % kTicksPerSecond;
    if (rest < 0) {
        seconds -= 1;
        rest += kTicksPerSecond;
    }
    return timespec{static_cast<time_t>(seconds), static_cast<long>(rest * 100)};
}

// Windows will not replace a read-only file; the same here, also for a user who could.
bool IsReadOnlyFile(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & kWriteBits) == 0;
}

// A new file gets its mode from open (the umask applies); a replaced one keeps its own, so
// read-only is taken away by hand.
bool ApplyReadOnly(int file) {
    struct stat info {};
    if (::fstat(file, &info) != 0) {
        return false;
    }
    return (info.st_mode & kWriteBits) == 0 ||
           ::fchmod(file, info.st_mode & 07777 & ~kWriteBits) == 0;
}

// O_NOFOLLOW: a symbolic link planted at the output path is not written through.
UniqueFd CreateOutputFile(const std::string& path, bool readOnly) {
    if (IsReadOnlyFile(path)) {
        return UniqueFd();
    }
    const mode_t mode = readOnly ? 0444 : 0666;
    UniqueFd file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, mode));
    if (file && readOnly && !ApplyReadOnly(file.Get())) {
        return UniqueFd();
    }
    return file;
}

bool WriteAll(int file, ZipBytes piece) {
    while (!piece.empty()) {
        const ssize_t written = ::write(file, piece.data(), piece.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        piece = piece.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// The creation time has no place on Linux file systems; access and write times are set.
void SetTimes(int file, const ZipFileTimes& times) {
    const timespec stamps[2] = {ToTimespec(times.access), ToTimespec(times.write)};
    ::futimens(file, stamps);
}

}  // namespace

bool ZipPathExists(const std::wstring& path) {
    struct stat info {};
    return ::stat(WideToUtf8(path).c_str(), &info) == 0;
}

bool ZipIsFolder(const std::wstring& path) {
    struct stat info {};
    return ::stat(WideToUtf8(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ZipCreateFolder(const std::wstring& path) {
    return ::mkdir(WideToUtf8(path).c_str(), 0777) == 0;
}

std::wstring ZipCurrentFolder() {
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) == nullptr) {
        return L"";
    }
    return Utf8ToWide(buffer);
}

bool IsOrdinaryZipFileName(std::wstring_view) {
    return true;
}

ZipResult WriteZipFile(const std::wstring& path, std::uint32_t attributes,
                       const ZipFileTimes& times, ZipPieceSource& source) {
    const std::string nativePath = WideToUtf8(path);
    UniqueFd file = CreateOutputFile(nativePath, (attributes & kReadOnlyAttribute) != 0);
    if (!file) {
        return kZipCannotOpen;
    }
    ZipResult result =
        CopyZipPieces(source, [&](ZipBytes piece) { return WriteAll(file.Get(), piece); });
    if (result == kZipOk) {
        SetTimes(file.Get(), times);
        if (::close(file.Release()) != 0) {
            result = kZipWriteFailed;
        }
    }
    if (result != kZipOk) {
        file.Reset();
        ::unlink(nativePath.c_str());
    }
    return result;
}
