// Any hotkey text parses without crashing or hanging; the results stay within what the codec
// can produce.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "hotkey/hotkey_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const CHotkeyCodec codec;
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    }
    std::uint32_t modifiers = 0xFFFFFFFF;
    std::uint32_t key = 0xFFFFFFFF;
    codec.ParseHotkey(text, modifiers, key);
    if ((modifiers & ~(kModAlt | kModControl | kModShift)) != 0) {
        std::abort();
    }
    if (key != 0) {
        bool known = false;
        for (const auto& [name, code] : codec.KeyNames()) {
            known = known || code == key;
        }
        if (!known) {
            std::abort();
        }
    }
    return 0;
}
