// Finds our version note (update/version_note.h) in an ELF image. Every offset and size read
// from the image is checked against it, so a truncated or garbage file means "no note", never a
// bad read; the work done is bounded whatever the image claims.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

// Random access to the bytes of an image: a file, a buffer.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Copies `size` bytes at `offset` to `out`; false unless every one of them is there.
    virtual bool ReadAt(std::uint64_t offset, std::size_t size, void* out) const = 0;
};

class MemoryByteSource : public ByteSource {
public:
    explicit MemoryByteSource(std::string_view bytes) : m_bytes(bytes) {}
    std::uint64_t Size() const override { return m_bytes.size(); }
    bool ReadAt(std::uint64_t offset, std::size_t size, void* out) const override {
        if (offset > m_bytes.size() || size > m_bytes.size() - offset) {
            return false;
        }
        std::memcpy(out, m_bytes.data() + offset, size);
        return true;
    }

private:
    std::string_view m_bytes;
};

// The version text (bytes up to the first NUL of the note's description) of the first note
// named kVersionNoteOwner with type kVersionNoteType in any SHT_NOTE section. ELF32 and ELF64,
// either byte order. nullopt when the image is not ELF, is damaged, or holds no such note or an
// empty text.
std::optional<std::string> FindVersionNote(const ByteSource& image);
