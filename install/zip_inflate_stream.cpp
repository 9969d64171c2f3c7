#include "install/zip_inflate_stream.h"

namespace {

// Negative: raw deflate, no zlib header; 15: a 32 KiB window.
constexpr int kRawWindowBits = -15;

}  // namespace

bool ZipInflateStream::Start() {
    m_stream.next_in = Z_NULL;
    m_stream.avail_in = 0;
    if (m_started) {
        return inflateReset(&m_stream) == Z_OK;
    }
    m_stream.zalloc = Z_NULL;
    m_stream.zfree = Z_NULL;
    m_stream.opaque = Z_NULL;
    m_started = inflateInit2(&m_stream, kRawWindowBits) == Z_OK;
    return m_started;
}

void ZipInflateStream::End() {
    if (m_started) {
        inflateEnd(&m_stream);
        m_started = false;
    }
}
