// Hotkey texts of the settings file ("F10", "Ctrl+Shift+A") to the modifier mask and virtual-key
// code that RegisterHotKey takes.
#pragma once

#include <cstdint>
#include <map>
#include <string>

// The system's hotkey modifier flags.
inline constexpr std::uint32_t kModAlt = 0x0001;
inline constexpr std::uint32_t kModControl = 0x0002;
inline constexpr std::uint32_t kModShift = 0x0004;

class CHotkeyCodec {
public:
    // Fills the 88-entry key-name table.
    CHotkeyCodec();

    // Modifier tokens, each followed by "+", then the key name; names compare exactly (case
    // matters, nothing trimmed). A key code of 0 means the text named no known key. A text that
    // ends in "+" or "Num+" standing on its own ("Ctrl++", "Alt+Num+", "+") names that key.
    void ParseHotkey(std::wstring text, std::uint32_t& modifiers, std::uint32_t& virtualKey) const;

    // The table, for inspection.
    const std::map<std::wstring, std::uint32_t>& KeyNames() const { return m_keyNames; }

private:
    std::map<std::wstring, std::uint32_t> m_keyNames;
};
