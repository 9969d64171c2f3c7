// Reads one entry's data: stored or deflated, decrypted when encrypted, bounded by the sizes of
// its central header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "install/zip_decryptor.h"
#include "install/zip_format.h"
#include "install/zip_inflate_stream.h"
#include "install/zip_output.h"

// Size of the input and the output buffer.
inline constexpr std::size_t kZipBufferSize = 16384;

// The entry as its headers describe it.
struct ZipEntryData {
    // Exactly the entry's compressed bytes (after the local header), inside the archive.
    ZipBytes compressed;
    std::uint16_t method = kZipMethodStored;
    bool encrypted = false;
    // The byte the last of the 12 decrypted header bytes must equal.
    unsigned char checkByte = 0;
    std::uint32_t uncompressedSize = 0;
};

// Where the entry's data lies: false when its compressed size runs past `source`.
bool LocateZipEntryData(ZipBytes source, const ZipCentralHeader& central,
                        const ZipLocalHeader& local, ZipEntryData& data);

class ZipEntryReader final : public ZipPieceSource {
public:
    // `input` and `output` hold kZipBufferSize bytes each; all three outlive the reader.
    ZipEntryReader(const ZipEntryData& data, ZipInflateStream& inflate, unsigned char* input,
                   unsigned char* output);

    // Readies the data before anything is written: kZipDataError when a stored entry's sizes
    // disagree or zlib cannot start, kZipBadPassword when the check byte is wrong.
    ZipResult Start();
    // Up to kZipBufferSize bytes; kZipDataError when the data is damaged, ends early or does
    // not come to the declared uncompressed size.
    ZipResult NextPiece(ZipBytes& piece, bool& last) override;

private:
    ZipResult ReadEncryptionHeader();
    void RefillInput();
    ZipResult NextStoredPiece(ZipBytes& piece, bool& last);
    ZipResult NextDeflatedPiece(ZipBytes& piece, bool& last);
    ZipResult FinishStream();

    ZipEntryData m_data;
    ZipBytes m_compressedLeft;
    std::uint32_t m_uncompressedLeft = 0;
    std::optional<ZipDecryptor> m_decryptor;
    ZipInflateStream& m_inflate;
    bool m_streamEnded = false;
    unsigned char* m_input;
    unsigned char* m_output;
};
