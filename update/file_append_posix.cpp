#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/utf8.h"
#include "update/file_append.h"
#include "update/unique_fd_posix.h"

bool AppendToFile(const std::wstring& path, std::string_view bytes) {
    UniqueFd file(::open(WideToUtf8(path).c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0666));
    if (!file) {
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(file.Get(), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    // A failed close can mean the data never reached the disk (network file systems, quotas).
    return ::close(file.Release()) == 0;
}
