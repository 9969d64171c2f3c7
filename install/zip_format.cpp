#include "install/zip_format.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kEndRecordSignature = 0x06054B50;
constexpr std::uint32_t kCentralHeaderSignature = 0x02014B50;
constexpr std::uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kEndSearchSpan = 65535;
constexpr std::size_t kEndSearchWindow = 1028;
constexpr std::size_t kEndSearchStep = 1024;

bool Fits(ZipBytes source, std::size_t position, std::size_t size) {
    return position <= source.size() && source.size() - position >= size;
}

// Little-endian fields, read one after another; the caller has checked that they fit.
class FieldReader {
public:
    FieldReader(ZipBytes source, std::size_t position) : m_bytes(source.subspan(position)) {}

    std::uint16_t U16() {
        const auto value = static_cast<std::uint16_t>(m_bytes[m_at] | (m_bytes[m_at + 1] << 8));
        m_at += 2;
        return value;
    }
    std::uint32_t U32() {
        const std::uint32_t low = U16();
        return low | (static_cast<std::uint32_t>(U16()) << 16);
    }

private:
    ZipBytes m_bytes;
    std::size_t m_at = 0;
};

bool IsEndSignatureAt(ZipBytes source, std::size_t position) {
    return FieldReader(source, position).U32() == kEndRecordSignature;
}

// Searches back from the end in windows of 1028 bytes that overlap by 4, each from its highest
// start position down, so the signature nearest the end wins.
bool FindEndSignature(ZipBytes source, std::size_t& position) {
    if (source.size() < 4) {
        return false;
    }
    const std::size_t lowest = source.size() - std::min(source.size(), kEndSearchSpan);
    std::size_t windowEnd = source.size();
    for (;;) {
        const std::size_t windowStart =
            std::max(lowest, windowEnd - std::min(windowEnd, kEndSearchWindow));
        for (std::size_t at = windowEnd - 4 + 1; at-- > windowStart;) {
            if (IsEndSignatureAt(source, at)) {
                position = at;
                return true;
            }
        }
        if (windowStart == lowest) {
            return false;
        }
        windowEnd -= kEndSearchStep;
    }
}

}  // namespace

bool FindZipEndRecord(ZipBytes source, ZipEndRecord& record) {
    std::size_t position = 0;
    if (!FindEndSignature(source, position) || !Fits(source, position, kEndRecordSize)) {
        return false;
    }
    FieldReader fields(source, position + 4);
    const std::uint16_t thisDisk = fields.U16();
    const std::uint16_t directoryDisk = fields.U16();
    const std::uint16_t entriesOnDisk = fields.U16();
    const std::uint16_t totalEntries = fields.U16();
    const std::uint32_t directorySize = fields.U32();
    const std::uint32_t directoryOffset = fields.U32();
    const std::uint64_t directoryEnd = std::uint64_t{directoryOffset} + directorySize;
    if (thisDisk != 0 || directoryDisk != 0 || entriesOnDisk != totalEntries ||
        directoryEnd > position) {
        return false;
    }
    record.totalEntries = totalEntries;
    record.directorySize = directorySize;
    record.directoryOffset = directoryOffset;
    record.recordPosition = position;
    record.bytesInFront = position - static_cast<std::size_t>(directoryEnd);
    return true;
}

bool ReadZipCentralHeader(ZipBytes source, std::size_t position, ZipCentralHeader& header) {
    if (!Fits(source, position, kZipCentralHeaderSize)) {
        return false;
    }
    FieldReader fields(source, position);
    if (fields.U32() != kCentralHeaderSignature) {
        return false;
    }
    header.position = position;
    header.versionMadeBy = fields.U16();
    header.versionNeeded = fields.U16();
    header.flags = fields.U16();
    header.method = fields.U16();
    header.dosDateTime = fields.U32();
    header.crc32 = fields.U32();
    header.compressedSize = fields.U32();
    header.uncompressedSize = fields.U32();
    header.nameLength = fields.U16();
    header.extraLength = fields.U16();
    header.commentLength = fields.U16();
    fields.U16();  // disk number start
    fields.U16();  // internal attributes
    header.externalAttributes = fields.U32();
    header.localHeaderOffset = fields.U32();
    const std::size_t namePosition = position + kZipCentralHeaderSize;
    if (!Fits(source, namePosition, header.nameLength)) {
        return false;
    }
    header.name = source.subspan(namePosition, header.nameLength);
    return true;
}

ZipResult ReadZipLocalHeader(ZipBytes source, const ZipEndRecord& end,
                             const ZipCentralHeader& central, ZipLocalHeader& local) {
    const std::size_t position = end.bytesInFront + central.localHeaderOffset;
    if (!Fits(source, position, kZipLocalHeaderSize)) {
        return kZipHeaderMismatch;
    }
    FieldReader fields(source, position);
    if (fields.U32() != kLocalHeaderSignature) {
        return kZipHeaderMismatch;
    }
    fields.U16();  // version needed
    const std::uint16_t flags = fields.U16();
    const std::uint16_t method = fields.U16();
    fields.U32();  // DOS time and date
    const std::uint32_t crc32 = fields.U32();
    const std::uint32_t compressedSize = fields.U32();
    const std::uint32_t uncompressedSize = fields.U32();
    const std::uint16_t nameLength = fields.U16();
    const std::uint16_t extraLength = fields.U16();
    if (method != central.method || (method != kZipMethodStored && method != kZipMethodDeflated)) {
        return kZipHeaderMismatch;
    }
    const bool sizesFollowData = (flags & kZipFlagDataDescriptor) != 0;
    if (!sizesFollowData && (crc32 != central.crc32 || compressedSize != central.compressedSize ||
                             uncompressedSize != central.uncompressedSize)) {
        return kZipHeaderMismatch;
    }
    if (nameLength != central.nameLength) {
        return kZipHeaderMismatch;
    }
    const std::size_t extraPosition = position + kZipLocalHeaderSize + nameLength;
    if (!Fits(source, extraPosition, extraLength)) {
        return kZipBadExtraField;
    }
    local.extra = source.subspan(extraPosition, extraLength);
    local.dataPosition = extraPosition + extraLength;
    return kZipOk;
}
