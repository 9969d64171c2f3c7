#include "install/zip_entry_reader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kEncryptionHeaderSize = 12;

}  // namespace

bool LocateZipEntryData(ZipBytes source, const ZipCentralHeader& central,
                        const ZipLocalHeader& local, ZipEntryData& data) {
    if (local.dataPosition > source.size() ||
        source.size() - local.dataPosition < central.compressedSize) {
        return false;
    }
    data.compressed = source.subspan(local.dataPosition, central.compressedSize);
    data.method = central.method;
    data.encrypted = (central.flags & kZipFlagEncrypted) != 0;
    // With a data descriptor the CRC is not known when the header is written, so the check
    // byte is the high byte of the DOS time instead.
    data.checkByte = (central.flags & kZipFlagDataDescriptor) != 0
                         ? static_cast<unsigned char>(central.dosDateTime >> 8)
                         : static_cast<unsigned char>(central.crc32 >> 24);
    data.uncompressedSize = central.uncompressedSize;
    return true;
}

ZipEntryReader::ZipEntryReader(const ZipEntryData& data, ZipInflateStream& inflate,
                               unsigned char* input, unsigned char* output)
    : m_data(data),
      m_compressedLeft(data.compressed),
      m_uncompressedLeft(data.uncompressedSize),
      m_inflate(inflate),
      m_input(input),
      m_output(output) {}

ZipResult ZipEntryReader::Start() {
    if (m_data.encrypted) {
        if (const ZipResult result = ReadEncryptionHeader(); result != kZipOk) {
            return result;
        }
    }
    if (m_data.method == kZipMethodStored) {
        // Stored data is the file itself: any other size is damage.
        return m_compressedLeft.size() == m_uncompressedLeft ? kZipOk : kZipDataError;
    }
    return m_inflate.Start() ? kZipOk : kZipDataError;
}

ZipResult ZipEntryReader::ReadEncryptionHeader() {
    if (m_compressedLeft.size() < kEncryptionHeaderSize) {
        return kZipDataError;
    }
    m_decryptor.emplace();
    unsigned char last = 0;
    for (std::size_t i = 0; i < kEncryptionHeaderSize; ++i) {
        last = m_decryptor->Decrypt(m_compressedLeft[i]);
    }
    m_compressedLeft = m_compressedLeft.subspan(kEncryptionHeaderSize);
    return last == m_data.checkByte ? kZipOk : kZipBadPassword;
}

ZipResult ZipEntryReader::NextPiece(ZipBytes& piece, bool& last) {
    return m_data.method == kZipMethodStored ? NextStoredPiece(piece, last)
                                             : NextDeflatedPiece(piece, last);
}

ZipResult ZipEntryReader::NextStoredPiece(ZipBytes& piece, bool& last) {
    const std::size_t size = std::min<std::size_t>(kZipBufferSize, m_uncompressedLeft);
    if (m_compressedLeft.size() < size) {
        return kZipDataError;
    }
    std::memcpy(m_output, m_compressedLeft.data(), size);
    if (m_decryptor) {
        m_decryptor->DecryptInPlace(m_output, size);
    }
    m_compressedLeft = m_compressedLeft.subspan(size);
    m_uncompressedLeft -= static_cast<std::uint32_t>(size);
    piece = ZipBytes(m_output, size);
    last = m_uncompressedLeft == 0;
    return kZipOk;
}

void ZipEntryReader::RefillInput() {
    z_stream& stream = m_inflate.Get();
    if (stream.avail_in > 0 || m_compressedLeft.empty()) {
        return;
    }
    const std::size_t size = std::min(kZipBufferSize, m_compressedLeft.size());
    std::memcpy(m_input, m_compressedLeft.data(), size);
    if (m_decryptor) {
        m_decryptor->DecryptInPlace(m_input, size);
    }
    m_compressedLeft = m_compressedLeft.subspan(size);
    stream.next_in = m_input;
    stream.avail_in = static_cast<uInt>(size);
}

// Inflates until the piece is full or the stream ends. zlib reports Z_BUF_ERROR when it can
// make no progress, which with room for output means the input ran out: the data ended early.
ZipResult ZipEntryReader::NextDeflatedPiece(ZipBytes& piece, bool& last) {
    z_stream& stream = m_inflate.Get();
    const std::size_t capacity = std::min<std::size_t>(kZipBufferSize, m_uncompressedLeft);
    stream.next_out = m_output;
    stream.avail_out = static_cast<uInt>(capacity);
    while (stream.avail_out > 0 && !m_streamEnded) {
        RefillInput();
        const int status = inflate(&stream, Z_NO_FLUSH);
        if (status == Z_STREAM_END) {
            m_streamEnded = true;
        } else if (status != Z_OK) {
            return kZipDataError;
        }
    }
    const std::size_t produced = capacity - stream.avail_out;
    m_uncompressedLeft -= static_cast<std::uint32_t>(produced);
    if (m_uncompressedLeft > 0 && m_streamEnded) {
        return kZipDataError;
    }
    if (m_uncompressedLeft == 0 && !m_streamEnded) {
        if (const ZipResult result = FinishStream(); result != kZipOk) {
            return result;
        }
    }
    piece = ZipBytes(m_output, produced);
    last = m_uncompressedLeft == 0;
    return kZipOk;
}

// The declared size is reached: the stream must end here. One spare byte of room tells a
// stream that goes on (it fills the byte) from one that only needs its end-of-block code read.
ZipResult ZipEntryReader::FinishStream() {
    z_stream& stream = m_inflate.Get();
    unsigned char spare = 0;
    for (;;) {
        RefillInput();
        stream.next_out = &spare;
        stream.avail_out = 1;
        const int status = inflate(&stream, Z_NO_FLUSH);
        if (stream.avail_out == 0) {
            return kZipDataError;
        }
        if (status == Z_STREAM_END) {
            m_streamEnded = true;
            return kZipOk;
        }
        if (status != Z_OK) {
            return kZipDataError;
        }
    }
}
