// The version note of a Linux executable (layout in update/version_note.h). Linked as an object
// so that nothing refers to it and yet it stays in the program.
#include <cstddef>
#include <cstdint>

#include "deployment.h"
#include "update/version_note.h"

namespace {

// Test programs that play other versions of the launcher name their own version.
#ifdef TORVANE_VERSION_NOTE_TEXT
constexpr char kVersionText[] = TORVANE_VERSION_NOTE_TEXT;
#else
constexpr char kVersionText[] = TORVANE_FILE_VERSION_TEXT;
#endif

constexpr std::size_t PadTo4(std::size_t size) {
    return (size + 3) & ~std::size_t{3};
}

struct VersionNote {
    std::uint32_t nameSize;
    std::uint32_t descSize;
    std::uint32_t type;
    char name[PadTo4(sizeof kVersionNoteOwner)];
    char desc[PadTo4(sizeof kVersionText)];
};

constexpr VersionNote MakeVersionNote() {
    VersionNote note{};
    note.nameSize = sizeof kVersionNoteOwner;
    note.descSize = sizeof kVersionText;
    note.type = kVersionNoteType;
    for (std::size_t i = 0; i < sizeof kVersionNoteOwner; ++i) {
        note.name[i] = kVersionNoteOwner[i];
    }
    for (std::size_t i = 0; i < sizeof kVersionText; ++i) {
        note.desc[i] = kVersionText[i];
    }
    return note;
}

// A section whose name starts with ".note" gets the type SHT_NOTE from the compiler.
[[gnu::used, gnu::section(TORVANE_VERSION_NOTE_SECTION),
  gnu::aligned(4)]] constexpr VersionNote kVersionNote = MakeVersionNote();

}  // namespace
