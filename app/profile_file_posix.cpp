#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <utility>

#include "app/profile_document.h"
#include "app/profile_file.h"
#include "platform/utf8.h"

namespace {

// A settings file is a few hundred bytes; anything past this is not one, and is left alone.
constexpr off_t kMaxProfileBytes = off_t{64} << 20;
constexpr int kTemporaryNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the process's umask, as for any new file

class UniqueFd {
public:
    explicit UniqueFd(int fd) : m_fd(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { Close(); }

    int Get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }
    // Closes now; false when the kernel reports a failure of the last writes.
    bool Close() {
        const int fd = std::exchange(m_fd, -1);
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd = -1;
};

enum class FileState { Present, Missing, Unreadable };

struct FileContents {
    FileState state = FileState::Unreadable;
    std::string bytes;
    mode_t mode = kNewFileMode;
};

bool ReadAll(int fd, std::string& bytes) {
    char chunk[16384];
    for (;;) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count == 0) {
            return true;
        }
        if (count < 0 && errno != EINTR) {
            return false;
        }
        if (count > 0) {
            bytes.append(chunk, static_cast<std::size_t>(count));
        }
        if (bytes.size() > static_cast<std::size_t>(kMaxProfileBytes)) {
            return false;
        }
    }
}

FileContents ReadProfileFile(const std::string& path) {
    FileContents contents;
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) {
        contents.state = errno == ENOENT ? FileState::Missing : FileState::Unreadable;
        return contents;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > kMaxProfileBytes || !ReadAll(fd.Get(), contents.bytes)) {
        return contents;
    }
    contents.state = FileState::Present;
    contents.mode = info.st_mode & 07777;
    return contents;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno != EINTR) {
            return false;
        }
        if (count > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(count));
        }
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file beside `path`, created exclusively so that nothing else is overwritten.
std::optional<std::string> CreateTemporaryBeside(const std::string& path, mode_t mode, int& fd) {
    const std::string stem = path + ".tmp." + std::to_string(::getpid()) + ".";
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        std::string name = stem + std::to_string(attempt);
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            return name;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The rename itself is atomic; syncing the folder makes it survive a power cut too.
void SyncFolder(const std::string& folder) {
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd) {
        ::fsync(fd.Get());
    }
}

// Replaces the file in one step: a reader (or a crash) sees the old text or the new one, never
// half of it. The original's permission bits carry over.
bool ReplaceFile(const std::string& path, std::string_view bytes, const FileContents& old) {
    int rawFd = -1;
    const std::optional<std::string> temporary = CreateTemporaryBeside(path, old.mode, rawFd);
    if (!temporary) {
        return false;
    }
    UniqueFd fd(rawFd);
    const bool keepMode = old.state != FileState::Present || ::fchmod(fd.Get(), old.mode) == 0;
    const bool written = keepMode && WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0;
    if (!fd.Close() || !written || ::rename(temporary->c_str(), path.c_str()) != 0) {
        ::unlink(temporary->c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

}  // namespace

std::wstring ReadProfileValue(const std::wstring& section, const std::wstring& key,
                              const std::wstring& defaultValue, const std::wstring& path,
                              std::size_t bufferSize) {
    const FileContents file = ReadProfileFile(WideToUtf8(path));
    std::optional<std::string_view> text;
    if (file.state == FileState::Present) {
        text = file.bytes;
    }
    return ReadProfileText(text, section, key, defaultValue, bufferSize);
}

bool WriteProfileValue(const std::wstring& section, const std::wstring& key,
                       const std::wstring& value, const std::wstring& path) {
    const std::string filePath = WideToUtf8(path);
    const FileContents file = ReadProfileFile(filePath);
    if (file.state == FileState::Unreadable) {
        return false;
    }
    std::optional<std::string_view> text;
    if (file.state == FileState::Present) {
        text = file.bytes;
    }
    const std::optional<std::string> edited = WriteProfileText(text, section, key, value);
    if (!edited) {
        return false;
    }
    if (text && *edited == *text) {
        return true;
    }
    return ReplaceFile(filePath, *edited, file);
}
