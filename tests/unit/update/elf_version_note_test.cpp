#include "update/elf_version_note.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>

#include "elf_image.h"
#include "update/version_note.h"

namespace {

constexpr char kVersion[] = "1.2.3.4";
constexpr std::uint64_t kAllOnes = std::numeric_limits<std::uint64_t>::max();

std::optional<std::string> FindIn(const std::string& bytes) {
    return FindVersionNote(MemoryByteSource(bytes));
}

// A note section holding another owner's note first and ours second, and a data section after.
ElfImage TypicalImage(bool is64, bool bigEndian) {
    ElfImage image(is64, bigEndian);
    image.AddSection(kSectionNote,
                     MakeNote("GNU", 3, "build-id", bigEndian) +
                         MakeNote(kVersionNoteOwner, kVersionNoteType, kVersion, bigEndian));
    image.AddSection(kSectionProgbits, "data");
    return image;
}

// Where our note (the second one) starts in TypicalImage.
std::size_t OurNoteAt(const ElfImage& image) {
    return image.SectionStart(1) + MakeNote("GNU", 3, "build-id", image.BigEndian()).size();
}

TEST(ElfVersionNote, FoundInEveryClassAndByteOrder) {
    for (const bool is64 : {false, true}) {
        for (const bool bigEndian : {false, true}) {
            ElfImage image = TypicalImage(is64, bigEndian);
            EXPECT_EQ(FindIn(image.Build()), kVersion) << is64 << bigEndian;
        }
    }
}

TEST(ElfVersionNote, FoundWithEightByteNotesAndWithExtendedSectionNumbering) {
    ElfImage aligned(true, false);
    aligned.AddSection(kSectionNote,
                       MakeNote(kVersionNoteOwner, kVersionNoteType, "10.0.1.2", false, 8), 8);
    EXPECT_EQ(FindIn(aligned.Build()), "10.0.1.2");

    // e_shnum 0: the count is in the size field of section 0.
    ElfImage extended = TypicalImage(true, false);
    std::string bytes = extended.Build();
    const ElfOffsets& o = extended.Offsets();
    PutField(bytes, o.sectionCount, 0, 2, false);
    PutField(bytes, extended.SectionHeaderAt(0) + o.sectionSize, 3, o.wordWidth, false);
    EXPECT_EQ(FindIn(bytes), kVersion);
}

TEST(ElfVersionNote, OnlyOurOwnerAndTypeInANoteSectionCount) {
    const struct {
        const char* name;
        std::uint32_t sectionType;
        std::string note;
    } cases[] = {
        {"other type", kSectionNote, MakeNote(kVersionNoteOwner, 2, kVersion, false)},
        {"longer owner", kSectionNote, MakeNote("Torvanes", kVersionNoteType, kVersion, false)},
        {"shorter owner", kSectionNote, MakeNote("Torvan", kVersionNoteType, kVersion, false)},
        {"empty text", kSectionNote, MakeNote(kVersionNoteOwner, kVersionNoteType, "", false)},
        {"not a note section", kSectionProgbits,
         MakeNote(kVersionNoteOwner, kVersionNoteType, kVersion, false)},
    };
    for (const auto& c : cases) {
        ElfImage image(true, false);
        image.AddSection(c.sectionType, c.note);
        EXPECT_EQ(FindIn(image.Build()), std::nullopt) << c.name;
    }
}

TEST(ElfVersionNote, NothingInFilesThatAreNotElf) {
    const std::string cases[] = {
        "",
        "\x7F"
        "EL",  // cut inside the magic
        "#!/bin/sh\necho hello\n",
        std::string(4096, '\0'),
        std::string("MZ\x90\0", 4),
    };
    for (const std::string& bytes : cases) {
        EXPECT_EQ(FindIn(bytes), std::nullopt);
    }
}

TEST(ElfVersionNote, EveryTruncationGivesNothing) {
    for (const bool is64 : {false, true}) {
        ElfImage image = TypicalImage(is64, false);
        const std::string bytes = image.Build();
        ASSERT_EQ(FindIn(bytes), kVersion);
        // The section header table is last, so every shorter image has lost part of it.
        for (std::size_t size = 0; size < bytes.size(); ++size) {
            EXPECT_EQ(FindIn(bytes.substr(0, size)), std::nullopt) << size;
        }
    }
}

TEST(ElfVersionNote, DamagedOffsetsAndSizesGiveNothing) {
    using Damage = std::function<void(std::string&, const ElfImage&)>;
    const auto header = [](std::size_t ElfOffsets::*field, std::uint64_t value, std::size_t width) {
        return Damage([=](std::string& bytes, const ElfImage& image) {
            const ElfOffsets& o = image.Offsets();
            PutField(bytes, o.*field, value, width == 0 ? o.wordWidth : width, false);
        });
    };
    const auto section = [](std::size_t index, std::size_t ElfOffsets::*field,
                            std::uint64_t value) {
        return Damage([=](std::string& bytes, const ElfImage& image) {
            const ElfOffsets& o = image.Offsets();
            PutField(bytes, image.SectionHeaderAt(index) + o.*field, value, o.wordWidth, false);
        });
    };
    const auto note = [](std::size_t field, std::uint64_t value) {
        return Damage([=](std::string& bytes, const ElfImage& image) {
            PutField(bytes, OurNoteAt(image) + field, value, 4, false);
        });
    };
    const struct {
        const char* name;
        Damage damage;
    } cases[] = {
        {"class", [](std::string& b, const ElfImage&) { b[4] = 3; }},
        {"byte order", [](std::string& b, const ElfImage&) { b[5] = 0; }},
        {"magic", [](std::string& b, const ElfImage&) { b[1] = 'e'; }},
        {"no section table", header(&ElfOffsets::sectionTableOffset, 0, 0)},
        {"table far away", header(&ElfOffsets::sectionTableOffset, kAllOnes, 0)},
        {"table past the end", header(&ElfOffsets::sectionTableOffset, 1u << 20, 0)},
        {"entry size 0", header(&ElfOffsets::sectionHeaderSize, 0, 2)},
        {"entry size too small", header(&ElfOffsets::sectionHeaderSize, 39, 2)},
        {"too many sections", header(&ElfOffsets::sectionCount, 0xFFFF, 2)},
        {"extended count 0", header(&ElfOffsets::sectionCount, 0, 2)},
        {"extended count huge",
         [&](std::string& b, const ElfImage& image) {
             header(&ElfOffsets::sectionCount, 0, 2)(b, image);
             section(0, &ElfOffsets::sectionSize, kAllOnes / 2)(b, image);
         }},
        {"note offset far away", section(1, &ElfOffsets::sectionOffset, kAllOnes)},
        {"note offset past the end", section(1, &ElfOffsets::sectionOffset, 1u << 20)},
        {"note size huge", section(1, &ElfOffsets::sectionSize, kAllOnes)},
        {"note size too large to scan", section(1, &ElfOffsets::sectionSize, 1u << 17)},
        {"note size short", section(1, &ElfOffsets::sectionSize, 11)},
        {"first note name size huge",
         [](std::string& b, const ElfImage& image) {
             PutField(b, image.SectionStart(1), 0xFFFFFFFF, 4, false);
         }},
        {"name size huge", note(0, 0xFFFFFFFF)},
        {"desc size huge", note(4, 0xFFFFFFFF)},
        {"desc size past the section", note(4, 64)},
        {"desc size 0", note(4, 0)},
    };
    for (const bool is64 : {false, true}) {
        for (const auto& c : cases) {
            ElfImage image = TypicalImage(is64, false);
            std::string bytes = image.Build();
            c.damage(bytes, image);
            EXPECT_EQ(FindIn(bytes), std::nullopt) << c.name << (is64 ? " (ELF64)" : " (ELF32)");
        }
    }
}

TEST(ElfVersionNote, RandomDamageToTheHeadersNeverMisleadsIt) {
    std::mt19937 random(20261209);
    for (const bool is64 : {false, true}) {
        ElfImage image = TypicalImage(is64, false);
        const std::string original = image.Build();
        const std::size_t headerSize = image.Offsets().headerSize;
        const std::size_t tableSize = original.size() - image.TableOffset();
        for (int round = 0; round < 3000; ++round) {
            std::string bytes = original;
            for (int flips = 1 + round % 3; flips > 0; --flips) {
                // A byte of the ELF header or of the section header table.
                std::size_t at = random() % (headerSize + tableSize);
                at = at < headerSize ? at : image.TableOffset() + (at - headerSize);
                bytes[at] = static_cast<char>(random());
            }
            const std::optional<std::string> text = FindIn(bytes);
            EXPECT_TRUE(!text || *text == kVersion) << round;
        }
    }
}

TEST(ElfVersionNote, GarbageAfterAValidIdentGivesNothing) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(16 + random() % 512, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random());
        }
        bytes.replace(0, 4,
                      "\x7F"
                      "ELF");
        bytes[4] = static_cast<char>(1 + round % 2);
        bytes[5] = static_cast<char>(1 + (round / 2) % 2);
        EXPECT_EQ(FindIn(bytes), std::nullopt) << round;
    }
}

}  // namespace
