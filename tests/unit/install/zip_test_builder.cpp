#include "zip_test_builder.h"

#include <zlib.h>

namespace {

void PutU16(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

std::uint32_t Crc32(std::string_view data) {
    return static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::string LocalHeader(const CraftedEntry& e, std::uint32_t crc, std::uint32_t compressed,
                        std::uint32_t uncompressed) {
    std::string out;
    PutU32(out, e.localSignature.value_or(0x04034B50));
    PutU16(out, 20);
    PutU16(out, e.flags);
    PutU16(out, e.localMethod.value_or(e.method));
    PutU32(out, e.dosDateTime);
    PutU32(out, e.localCrc.value_or(crc));
    PutU32(out, compressed);
    PutU32(out, uncompressed);
    PutU16(out, e.localNameLength.value_or(static_cast<std::uint16_t>(e.name.size())));
    PutU16(out, static_cast<std::uint32_t>(e.localExtra.size()));
    return out + e.name + e.localExtra;
}

std::string CentralHeader(const CraftedEntry& e, std::uint32_t crc, std::uint32_t compressed,
                          std::uint32_t uncompressed, std::uint32_t offset) {
    std::string out;
    PutU32(out, 0x02014B50);
    PutU16(out, e.versionMadeBy);
    PutU16(out, 20);
    PutU16(out, e.flags);
    PutU16(out, e.method);
    PutU32(out, e.dosDateTime);
    PutU32(out, crc);
    PutU32(out, compressed);
    PutU32(out, uncompressed);
    PutU16(out, static_cast<std::uint32_t>(e.name.size()));
    PutU16(out, 0);  // extra
    PutU16(out, 0);  // comment
    PutU16(out, 0);  // disk
    PutU16(out, 0);  // internal attributes
    PutU32(out, e.externalAttributes);
    PutU32(out, e.localHeaderOffset.value_or(offset));
    return out + e.name;
}

}  // namespace

std::uint32_t DosDateTime(int year, int month, int day, int hour, int minute, int second) {
    const auto date = static_cast<std::uint32_t>(((year - 1980) << 9) | (month << 5) | day);
    const auto time = static_cast<std::uint32_t>((hour << 11) | (minute << 5) | (second / 2));
    return (date << 16) | time;
}

std::string ExtendedTimestampBlock(std::optional<std::int32_t> write,
                                   std::optional<std::int32_t> access,
                                   std::optional<std::int32_t> creation) {
    std::string data(1, '\0');
    int bit = 0;
    for (const auto& time : {write, access, creation}) {
        if (time) {
            data[0] = static_cast<char>(data[0] | (1 << bit));
            PutU32(data, static_cast<std::uint32_t>(*time));
        }
        ++bit;
    }
    std::string block = "UT";
    PutU16(block, static_cast<std::uint32_t>(data.size()));
    return block + data;
}

std::string Deflate(std::string_view data) {
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

std::string BuildZip(const std::vector<CraftedEntry>& entries, std::string_view comment,
                     std::string_view prefix) {
    std::string body;
    std::string central;
    for (const CraftedEntry& e : entries) {
        const std::string packed = e.packedData.value_or(e.method == 8 ? Deflate(e.data) : e.data);
        const std::uint32_t crc = Crc32(e.data);
        const auto compressed =
            e.compressedSize.value_or(static_cast<std::uint32_t>(packed.size()));
        const auto uncompressed =
            e.uncompressedSize.value_or(static_cast<std::uint32_t>(e.data.size()));
        const auto offset = static_cast<std::uint32_t>(body.size());
        body += LocalHeader(e, crc, compressed, uncompressed) + packed;
        central += CentralHeader(e, crc, compressed, uncompressed, offset);
    }
    std::string end;
    PutU32(end, 0x06054B50);
    PutU16(end, 0);
    PutU16(end, 0);
    PutU16(end, static_cast<std::uint32_t>(entries.size()));
    PutU16(end, static_cast<std::uint32_t>(entries.size()));
    PutU32(end, static_cast<std::uint32_t>(central.size()));
    PutU32(end, static_cast<std::uint32_t>(body.size()));
    PutU16(end, static_cast<std::uint32_t>(comment.size()));
    return std::string(prefix) + body + central + end + std::string(comment);
}

void PatchU16(std::string& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void PatchU32(std::string& bytes, std::size_t at, std::uint32_t value) {
    PatchU16(bytes, at, static_cast<std::uint16_t>(value & 0xFFFF));
    PatchU16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}
