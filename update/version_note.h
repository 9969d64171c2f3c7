// The version record of our Linux executables: one ELF note in its own section,
//
//   section ".note.torvane.version" (SHT_NOTE, allocated, 4-byte aligned), holding
//   namesz = 8, descsz = length of the version text + 1 (NUL), type = kVersionNoteType,
//   name "Torvane\0", desc = the dotted version text, NUL-terminated, zero-padded to 4 bytes.
//
// version_note_posix.cpp writes it (object library torvane_version_record); GetFileVersionString
// reads it back from any file through FindVersionNote (update/elf_version_note.h).
#pragma once

#include <cstdint>

#define TORVANE_VERSION_NOTE_SECTION ".note.torvane.version"

inline constexpr char kVersionNoteOwner[] = "Torvane";
inline constexpr std::uint32_t kVersionNoteType = 1;
