// The ZIP records the reader uses, read from a memory buffer with every access bounds-checked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "install/zip_result.h"

using ZipBytes = std::span<const unsigned char>;

inline constexpr std::size_t kZipCentralHeaderSize = 46;
inline constexpr std::size_t kZipLocalHeaderSize = 30;
inline constexpr std::uint16_t kZipFlagEncrypted = 0x0001;
inline constexpr std::uint16_t kZipFlagDataDescriptor = 0x0008;
inline constexpr std::uint16_t kZipMethodStored = 0;
inline constexpr std::uint16_t kZipMethodDeflated = 8;

// The end-of-central-directory record, and what follows from it.
struct ZipEndRecord {
    std::uint32_t totalEntries = 0;
    std::uint32_t directorySize = 0;
    std::uint32_t directoryOffset = 0;
    std::size_t recordPosition = 0;
    // Bytes in front of the archive (a self-extractor stub, say); every stored offset is
    // shifted by this much.
    std::size_t bytesInFront = 0;
};

struct ZipCentralHeader {
    std::size_t position = 0;
    std::uint16_t versionMadeBy = 0;
    std::uint16_t versionNeeded = 0;
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    // DOS time in the low half, DOS date in the high half.
    std::uint32_t dosDateTime = 0;
    std::uint32_t crc32 = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint16_t nameLength = 0;
    std::uint16_t extraLength = 0;
    std::uint16_t commentLength = 0;
    std::uint32_t externalAttributes = 0;
    std::uint32_t localHeaderOffset = 0;
    ZipBytes name;

    // Where the next central header starts.
    std::size_t NextPosition() const {
        return position + kZipCentralHeaderSize + nameLength + extraLength + commentLength;
    }
};

// What the reader keeps of a checked local header.
struct ZipLocalHeader {
    ZipBytes extra;
    std::size_t dataPosition = 0;
};

// Finds the end record nearest the end of `source` (within its last 65535 bytes) and checks it;
// false when there is none or it is rejected.
bool FindZipEndRecord(ZipBytes source, ZipEndRecord& record);

// Reads the central header at `position`; false when it does not fit in `source` or its
// signature is wrong.
bool ReadZipCentralHeader(ZipBytes source, std::size_t position, ZipCentralHeader& header);

// Checks the local header that `central` points to against it: kZipHeaderMismatch when it is
// missing or disagrees, kZipBadExtraField when its extra field runs past `source`.
ZipResult ReadZipLocalHeader(ZipBytes source, const ZipEndRecord& end,
                             const ZipCentralHeader& central, ZipLocalHeader& local);
