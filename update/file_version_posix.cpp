#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/utf8.h"
#include "update/elf_version_note.h"
#include "update/file_version.h"
#include "update/unique_fd_posix.h"

namespace {

// An open regular file, read with pread so the parser may jump around in it.
class FileByteSource : public ByteSource {
public:
    FileByteSource(int file, std::uint64_t size) : m_file(file), m_size(size) {}
    std::uint64_t Size() const override { return m_size; }
    bool ReadAt(std::uint64_t offset, std::size_t size, void* out) const override {
        if (offset > m_size || size > m_size - offset) {
            return false;
        }
        auto* cursor = static_cast<char*>(out);
        while (size > 0) {
            const ssize_t read = ::pread(m_file, cursor, size, static_cast<off_t>(offset));
            if (read < 0 && errno == EINTR) {
                continue;
            }
            if (read <= 0) {
                return false;
            }
            cursor += read;
            offset += static_cast<std::uint64_t>(read);
            size -= static_cast<std::size_t>(read);
        }
        return true;
    }

private:
    int m_file;
    std::uint64_t m_size;
};

std::optional<std::string> VersionNoteOfFile(const std::string& path) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; only regular files are read.
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!file || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return FindVersionNote(FileByteSource(file.Get(), static_cast<std::uint64_t>(info.st_size)));
}

}  // namespace

std::wstring GetFileVersionString(const std::wstring& path) {
    const std::string nativePath = WideToUtf8(path);
    struct stat info {};
    if (::stat(nativePath.c_str(), &info) != 0) {
        return L"";
    }
    const std::optional<std::string> version = VersionNoteOfFile(nativePath);
    return version ? Utf8ToWide(*version) : std::wstring(kNoFileVersionText);
}
