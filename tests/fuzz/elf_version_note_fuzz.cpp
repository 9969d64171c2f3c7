// Any file handed to the Linux version reader ends in a text or "no note": never a bad read,
// never unbounded work.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "update/elf_version_note.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MemoryByteSource image(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto version = FindVersionNote(image);
    if (version && (version->empty() || version->size() >= size)) {
        std::abort();
    }
    return 0;
}
