// Builds small ELF images in memory (ELF32 or ELF64, either byte order) with chosen sections,
// for the tests of the version-note reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::uint32_t kSectionProgbits = 1;
inline constexpr std::uint32_t kSectionNote = 7;

// Field offsets, for tests that damage an image on purpose.
struct ElfOffsets {
    std::size_t sectionTableOffset;  // e_shoff
    std::size_t sectionHeaderSize;   // e_shentsize
    std::size_t sectionCount;        // e_shnum
    std::size_t wordWidth;           // width of e_shoff, sh_offset, sh_size, sh_addralign
    std::size_t headerSize;
    std::size_t sectionEntrySize;
    std::size_t sectionType;  // inside one section header
    std::size_t sectionOffset;
    std::size_t sectionSize;
    std::size_t sectionAlign;
};

inline constexpr ElfOffsets kElf32Offsets{0x20, 0x2E, 0x30, 4, 52, 40, 4, 16, 20, 32};
inline constexpr ElfOffsets kElf64Offsets{0x28, 0x3A, 0x3C, 8, 64, 64, 4, 24, 32, 48};

// Writes `value` as a `width`-byte integer at `offset`, growing `bytes` when needed.
inline void PutField(std::string& bytes, std::size_t offset, std::uint64_t value, std::size_t width,
                     bool bigEndian) {
    if (bytes.size() < offset + width) {
        bytes.resize(offset + width, '\0');
    }
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t shift = 8 * (bigEndian ? width - 1 - i : i);
        bytes[offset + i] = static_cast<char>((value >> shift) & 0xFF);
    }
}

// One note: header, owner name with its NUL, description with a NUL, each padded to `align`.
inline std::string MakeNote(std::string_view owner, std::uint32_t type, std::string_view text,
                            bool bigEndian, std::size_t align = 4) {
    const auto padded = [align](std::size_t size) { return (size + align - 1) / align * align; };
    std::string note;
    PutField(note, 0, owner.size() + 1, 4, bigEndian);
    PutField(note, 4, text.size() + 1, 4, bigEndian);
    PutField(note, 8, type, 4, bigEndian);
    std::string name(owner);
    name.resize(padded(owner.size() + 1), '\0');
    std::string desc(text);
    desc.resize(padded(text.size() + 1), '\0');
    return note + name + desc;
}

class ElfImage {
public:
    ElfImage(bool is64, bool bigEndian)
        : m_is64(is64), m_bigEndian(bigEndian), m_offsets(is64 ? kElf64Offsets : kElf32Offsets) {}

    // Sections follow the header in the order added; the section header table comes last,
    // after the null section 0 that every ELF file starts its table with.
    void AddSection(std::uint32_t type, std::string contents, std::uint64_t align = 4) {
        m_sections.push_back({type, std::move(contents), align});
    }

    std::string Build() {
        const ElfOffsets& o = m_offsets;
        std::string bytes(o.headerSize, '\0');
        bytes.replace(0, 4,
                      "\x7F"
                      "ELF");
        bytes[4] = m_is64 ? 2 : 1;
        bytes[5] = m_bigEndian ? 2 : 1;
        bytes[6] = 1;
        PutField(bytes, 16, 2, 2, m_bigEndian);  // an executable
        PutField(bytes, 20, 1, 4, m_bigEndian);
        m_starts.clear();
        for (const Section& section : m_sections) {
            bytes.resize((bytes.size() + section.align - 1) / section.align * section.align, '\0');
            m_starts.push_back(bytes.size());
            bytes += section.contents;
        }
        bytes.resize((bytes.size() + 7) / 8 * 8, '\0');
        m_tableOffset = bytes.size();
        PutField(bytes, o.sectionTableOffset, m_tableOffset, o.wordWidth, m_bigEndian);
        PutField(bytes, o.sectionHeaderSize, o.sectionEntrySize, 2, m_bigEndian);
        PutField(bytes, o.sectionCount, m_sections.size() + 1, 2, m_bigEndian);
        bytes.resize(m_tableOffset + (m_sections.size() + 1) * o.sectionEntrySize, '\0');
        for (std::size_t i = 0; i < m_sections.size(); ++i) {
            const std::size_t at = SectionHeaderAt(i + 1);
            PutField(bytes, at + o.sectionType, m_sections[i].type, 4, m_bigEndian);
            PutField(bytes, at + o.sectionOffset, m_starts[i], o.wordWidth, m_bigEndian);
            PutField(bytes, at + o.sectionSize, m_sections[i].contents.size(), o.wordWidth,
                     m_bigEndian);
            PutField(bytes, at + o.sectionAlign, m_sections[i].align, o.wordWidth, m_bigEndian);
        }
        return bytes;
    }

    // Valid after Build(): where section header `index` (0 = the null section) starts.
    std::size_t SectionHeaderAt(std::size_t index) const {
        return m_tableOffset + index * m_offsets.sectionEntrySize;
    }
    // Valid after Build(): where the contents of section `index` (1 = the first added) start.
    std::size_t SectionStart(std::size_t index) const { return m_starts.at(index - 1); }
    std::size_t TableOffset() const { return m_tableOffset; }
    const ElfOffsets& Offsets() const { return m_offsets; }
    bool BigEndian() const { return m_bigEndian; }

private:
    struct Section {
        std::uint32_t type;
        std::string contents;
        std::uint64_t align;
    };

    bool m_is64;
    bool m_bigEndian;
    ElfOffsets m_offsets;
    std::vector<Section> m_sections;
    std::vector<std::size_t> m_starts;
    std::size_t m_tableOffset = 0;
};
