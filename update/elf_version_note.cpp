#include "update/elf_version_note.h"

#include "update/version_note.h"

namespace {

constexpr std::size_t kIdentSize = 16;
constexpr std::string_view kElfMagic(
    "\x7F"
    "ELF",
    4);
constexpr unsigned char kClass32 = 1;
constexpr unsigned char kClass64 = 2;
constexpr unsigned char kLittleEndian = 1;
constexpr unsigned char kBigEndian = 2;
constexpr std::uint64_t kSectionTypeNote = 7;
constexpr std::size_t kNoteHeaderSize = 12;
// Bounds on what a damaged header can make us read: 65536 section headers of 64 bytes, and note
// sections far larger than any real one (ours holds one note of a few dozen bytes).
constexpr std::uint64_t kMaxSectionTableBytes = std::uint64_t{1} << 22;
constexpr std::uint64_t kMaxNoteSectionBytes = std::uint64_t{1} << 16;

// Where the fields we need sit, for one ELF class. Widths of addresses and offsets follow it.
struct ElfLayout {
    std::size_t headerSize;
    std::size_t sectionHeaderSize;
    std::size_t wordWidth;
    std::size_t sectionTableOffsetAt;
    std::size_t sectionHeaderSizeAt;
    std::size_t sectionCountAt;
    std::size_t sectionOffsetAt;
    std::size_t sectionSizeAt;
    std::size_t sectionAlignAt;
};

constexpr ElfLayout kElf32Layout{52, 40, 4, 0x20, 0x2E, 0x30, 16, 20, 32};
constexpr ElfLayout kElf64Layout{64, 64, 8, 0x28, 0x3A, 0x3C, 24, 32, 48};
constexpr std::size_t kSectionTypeAt = 4;

struct ElfFormat {
    const ElfLayout* layout;
    bool bigEndian;
};

struct NoteSection {
    std::uint64_t offset;
    std::uint64_t size;
    std::uint64_t alignment;
};

// An unsigned field of `width` bytes at `offset`; the caller has checked that it lies inside.
std::uint64_t Field(std::string_view bytes, std::size_t offset, std::size_t width, bool bigEndian) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t at = bigEndian ? offset + i : offset + width - 1 - i;
        value = (value << 8) | static_cast<unsigned char>(bytes[at]);
    }
    return value;
}

std::uint64_t AlignUp(std::uint64_t value, std::uint64_t alignment) {
    return (value + alignment - 1) & ~(alignment - 1);
}

bool ReadBytes(const ByteSource& image, std::uint64_t offset, std::size_t size, std::string& out) {
    out.resize(size);
    return image.ReadAt(offset, size, out.data());
}

std::optional<ElfFormat> ReadFormat(const ByteSource& image) {
    std::string ident;
    if (!ReadBytes(image, 0, kIdentSize, ident) || !ident.starts_with(kElfMagic)) {
        return std::nullopt;
    }
    const auto elfClass = static_cast<unsigned char>(ident[4]);
    const auto byteOrder = static_cast<unsigned char>(ident[5]);
    if ((elfClass != kClass32 && elfClass != kClass64) ||
        (byteOrder != kLittleEndian && byteOrder != kBigEndian)) {
        return std::nullopt;
    }
    return ElfFormat{elfClass == kClass64 ? &kElf64Layout : &kElf32Layout, byteOrder == kBigEndian};
}

// The whole section header table, or "" when the header points nowhere sensible.
std::string ReadSectionTable(const ByteSource& image, const ElfFormat& format,
                             std::uint64_t& entrySize) {
    const ElfLayout& layout = *format.layout;
    std::string header;
    if (!ReadBytes(image, 0, layout.headerSize, header)) {
        return {};
    }
    const std::uint64_t tableOffset =
        Field(header, layout.sectionTableOffsetAt, layout.wordWidth, format.bigEndian);
    entrySize = Field(header, layout.sectionHeaderSizeAt, 2, format.bigEndian);
    std::uint64_t count = Field(header, layout.sectionCountAt, 2, format.bigEndian);
    if (tableOffset == 0 || entrySize < layout.sectionHeaderSize) {
        return {};
    }
    std::string entry;
    if (count == 0) {
        // More than 0xFF00 sections: the real count is the size field of section 0.
        if (!ReadBytes(image, tableOffset, layout.sectionHeaderSize, entry)) {
            return {};
        }
        count = Field(entry, layout.sectionSizeAt, layout.wordWidth, format.bigEndian);
    }
    if (count == 0 || count > kMaxSectionTableBytes / entrySize) {
        return {};
    }
    std::string table;
    if (!ReadBytes(image, tableOffset, static_cast<std::size_t>(count * entrySize), table)) {
        return {};
    }
    return table;
}

std::optional<NoteSection> NoteSectionAt(std::string_view table, std::size_t at,
                                         const ElfFormat& format) {
    const ElfLayout& layout = *format.layout;
    if (Field(table, at + kSectionTypeAt, 4, format.bigEndian) != kSectionTypeNote) {
        return std::nullopt;
    }
    const auto field = [&](std::size_t offset) {
        return Field(table, at + offset, layout.wordWidth, format.bigEndian);
    };
    // Notes are padded to 4 bytes, except in sections aligned to 8 that say otherwise.
    return NoteSection{field(layout.sectionOffsetAt), field(layout.sectionSizeAt),
                       field(layout.sectionAlignAt) == 8 ? 8u : 4u};
}

bool IsVersionNote(std::string_view name, std::uint64_t type) {
    return type == kVersionNoteType &&
           name == std::string_view(kVersionNoteOwner, sizeof kVersionNoteOwner);
}

// The text of the first version note among `notes`, the contents of one note section.
std::optional<std::string> FindVersionNoteIn(std::string_view notes, bool bigEndian,
                                             std::uint64_t alignment) {
    std::uint64_t position = 0;
    while (notes.size() - position >= kNoteHeaderSize) {
        const std::uint64_t nameSize = Field(notes, position, 4, bigEndian);
        const std::uint64_t descSize = Field(notes, position + 4, 4, bigEndian);
        const std::uint64_t type = Field(notes, position + 8, 4, bigEndian);
        const std::uint64_t nameStart = position + kNoteHeaderSize;
        const std::uint64_t descStart = nameStart + AlignUp(nameSize, alignment);
        if (descStart + descSize > notes.size()) {
            return std::nullopt;
        }
        if (IsVersionNote(notes.substr(nameStart, nameSize), type)) {
            const std::string_view desc = notes.substr(descStart, descSize);
            const std::string_view text = desc.substr(0, desc.find('\0'));
            if (!text.empty()) {
                return std::string(text);
            }
        }
        position = descStart + AlignUp(descSize, alignment);
        if (position > notes.size()) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FindVersionNote(const ByteSource& image) {
    const std::optional<ElfFormat> format = ReadFormat(image);
    if (!format) {
        return std::nullopt;
    }
    std::uint64_t entrySize = 0;
    const std::string table = ReadSectionTable(image, *format, entrySize);
    std::string notes;
    for (std::size_t at = 0; at < table.size(); at += entrySize) {
        const std::optional<NoteSection> section = NoteSectionAt(table, at, *format);
        if (!section || section->size > kMaxNoteSectionBytes ||
            !ReadBytes(image, section->offset, static_cast<std::size_t>(section->size), notes)) {
            continue;
        }
        if (auto text = FindVersionNoteIn(notes, format->bigEndian, section->alignment)) {
            return text;
        }
    }
    return std::nullopt;
}
