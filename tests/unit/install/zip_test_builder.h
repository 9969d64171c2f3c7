// Writes small ZIP archives byte by byte for the cases no tool makes: damaged headers, hostile
// names, odd attributes and time blocks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The DOS date (high half) and time (low half) of a calendar time; no range checks, so that
// tests can write dates that do not exist.
std::uint32_t DosDateTime(int year, int month, int day, int hour, int minute, int second);

// A "UT" extra block: flag bits 0, 1, 2 for the write, access and creation time given.
std::string ExtendedTimestampBlock(std::optional<std::int32_t> write,
                                   std::optional<std::int32_t> access = std::nullopt,
                                   std::optional<std::int32_t> creation = std::nullopt);

// One entry: honest fields by default; the setters chain, CraftedEntry("a", "x").Method(8).
struct CraftedEntry {
    CraftedEntry(std::string entryName, std::string entryData)
        : name(std::move(entryName)), data(std::move(entryData)) {}

    CraftedEntry& Method(std::uint16_t value) { return method = value, *this; }
    CraftedEntry& MadeBy(std::uint16_t value) { return versionMadeBy = value, *this; }
    CraftedEntry& Attributes(std::uint32_t value) { return externalAttributes = value, *this; }
    CraftedEntry& Stamp(std::uint32_t value) { return dosDateTime = value, *this; }
    CraftedEntry& Flags(std::uint16_t value) { return flags = value, *this; }
    CraftedEntry& LocalExtra(std::string value) { return localExtra = std::move(value), *this; }
    CraftedEntry& UncompressedSize(std::uint32_t value) { return uncompressedSize = value, *this; }

    std::string name;
    // The entry's bytes; with method 8 the builder deflates them.
    std::string data;
    std::uint16_t method = 0;
    std::uint16_t versionMadeBy = 0x0014;  // host 0: DOS attribute bits
    std::uint32_t externalAttributes = 0x20;
    std::uint32_t dosDateTime = DosDateTime(2020, 5, 6, 7, 8, 10);
    std::uint16_t flags = 0;
    std::string localExtra;

    // Damage, applied over the honest values.
    std::optional<std::string> packedData;  // replaces the (compressed) bytes written
    std::optional<std::uint32_t> compressedSize;
    std::optional<std::uint32_t> uncompressedSize;
    std::optional<std::uint16_t> localMethod;
    std::optional<std::uint32_t> localCrc;
    std::optional<std::uint16_t> localNameLength;
    std::optional<std::uint32_t> localSignature;
    std::optional<std::uint32_t> localHeaderOffset;
};

// Local headers and data, the central directory, the end record with `comment`. `prefix` goes
// in front without shifting any offset, as in a self-extracting archive.
std::string BuildZip(const std::vector<CraftedEntry>& entries, std::string_view comment = {},
                     std::string_view prefix = {});

// Raw deflate of `data`.
std::string Deflate(std::string_view data);

// Little-endian patches, for damage after building.
void PatchU16(std::string& bytes, std::size_t at, std::uint16_t value);
void PatchU32(std::string& bytes, std::size_t at, std::uint32_t value);

// Where the end record starts in an archive built without a comment.
inline std::size_t EndRecordAt(const std::string& archive) {
    return archive.size() - 22;
}
