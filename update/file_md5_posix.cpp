#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <new>

#include "platform/utf8.h"
#include "update/digest_text.h"
#include "update/file_md5.h"
#include "update/unique_fd_posix.h"

namespace {

struct DigestContextDeleter {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

using UniqueDigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextDeleter>;

// Cache-line aligned: the kernel copies into a misaligned buffer markedly slower (about 20% of
// the whole digest for buffers that malloc maps on their own, 128 KiB and up).
struct alignas(64) Chunk {
    unsigned char bytes[kMd5ChunkSize];
};

// Only regular files: a FIFO or a device could block or never end. O_NONBLOCK keeps the open
// itself from waiting on a FIFO; it changes nothing for regular files.
UniqueFd OpenRegularFile(const std::wstring& path) {
    UniqueFd file(::open(WideToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!file || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return UniqueFd();
    }
    return file;
}

bool HashFileContents(int file, EVP_MD_CTX* context) {
    const auto chunk = std::make_unique_for_overwrite<Chunk>();
    for (;;) {
        const ssize_t read = ::read(file, chunk->bytes, sizeof chunk->bytes);
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read < 0) {
            return false;
        }
        if (read == 0) {
            return true;
        }
        if (EVP_DigestUpdate(context, chunk->bytes, static_cast<std::size_t>(read)) != 1) {
            return false;
        }
    }
}

bool ComputeFileMd5(const std::wstring& path, std::wstring& text) {
    const UniqueFd file = OpenRegularFile(path);
    if (!file) {
        return false;
    }
    const UniqueDigestContext context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) != 1) {
        return false;
    }
    if (!HashFileContents(file.Get(), context.get())) {
        return false;
    }
    unsigned char digest[EVP_MAX_MD_SIZE] = {};
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &length) != 1) {
        return false;
    }
    AppendDigestText(text, digest, length);
    return true;
}

}  // namespace

bool GetFileMd5(const std::wstring& path, std::wstring& text) {
    try {
        return ComputeFileMd5(path, text);
    } catch (const std::bad_alloc&) {
        return false;
    }
}
