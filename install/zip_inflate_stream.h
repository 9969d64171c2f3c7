// One raw-deflate zlib stream, set up on first use and reset for each later entry.
#pragma once

#include <zlib.h>

class ZipInflateStream {
public:
    ZipInflateStream() = default;
    ZipInflateStream(const ZipInflateStream&) = delete;
    ZipInflateStream& operator=(const ZipInflateStream&) = delete;
    ~ZipInflateStream() { End(); }

    // Readies the stream for a new entry; false when zlib cannot set it up.
    bool Start();
    // Frees zlib's state.
    void End();
    z_stream& Get() { return m_stream; }

private:
    z_stream m_stream{};
    bool m_started = false;
};
