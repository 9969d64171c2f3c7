#include "hotkey/hotkey_codec.h"

#include <string_view>

namespace {

struct NamedKey {
    const wchar_t* name;
    std::uint32_t code;
};

// The keys outside the regular runs (digits, letters, F1-F12, Num0-Num9).
constexpr NamedKey kNamedKeys[] = {
    {L"Alt", 0x12},      {L"Ctrl", 0x11}, {L"Shift", 0x10},  {L"Space", 0x20},  {L"PageUp", 0x21},
    {L"PageDown", 0x22}, {L"End", 0x23},  {L"Home", 0x24},   {L"Left", 0x25},   {L"Up", 0x26},
    {L"Right", 0x27},    {L"Down", 0x28}, {L"Insert", 0x2D}, {L"Delete", 0x2E}, {L"Num*", 0x6A},
    {L"Num+", 0x6B},     {L"Num-", 0x6D}, {L"NumDel", 0x6E}, {L"Num/", 0x6F},   {L";", 0xBA},
    {L"+", 0xBB},        {L",", 0xBC},    {L"-", 0xBD},      {L".", 0xBE},      {L"/", 0xBF},
    {L"`", 0xC0},        {L"[", 0xDB},    {L"\\", 0xDC},     {L"]", 0xDD},      {L"'", 0xDE},
};

std::uint32_t ModifierFlag(const std::wstring& token) {
    if (token == L"Alt") {
        return kModAlt;
    }
    if (token == L"Ctrl") {
        return kModControl;
    }
    if (token == L"Shift") {
        return kModShift;
    }
    return 0;  // misspelt, lower-case or empty tokens are ignored
}

// True when `text` ends in `name` and the name is the whole text or follows a separator.
bool StandsAtEnd(const std::wstring& text, std::wstring_view name) {
    if (!text.ends_with(name)) {
        return false;
    }
    return text.size() == name.size() || text[text.size() - name.size() - 1] == L'+';
}

}  // namespace

CHotkeyCodec::CHotkeyCodec() {
    for (wchar_t c = L'0'; c <= L'9'; ++c) {
        m_keyNames[std::wstring(1, c)] = static_cast<std::uint32_t>(c);
    }
    for (wchar_t c = L'A'; c <= L'Z'; ++c) {
        m_keyNames[std::wstring(1, c)] = static_cast<std::uint32_t>(c);
    }
    for (std::uint32_t n = 1; n <= 12; ++n) {
        m_keyNames[L"F" + std::to_wstring(n)] = 0x70 + n - 1;
    }
    for (std::uint32_t n = 0; n <= 9; ++n) {
        m_keyNames[L"Num" + std::to_wstring(n)] = 0x60 + n;
    }
    for (const NamedKey& key : kNamedKeys) {
        m_keyNames[key.name] = key.code;
    }
}

void CHotkeyCodec::ParseHotkey(std::wstring text, std::uint32_t& modifiers,
                               std::uint32_t& virtualKey) const {
    modifiers = 0;
    virtualKey = 0;
    // The names that end in "+" cannot be reached by cutting at every "+". Where the text ends in
    // such a name standing on its own ("Ctrl++", "Shift+Num+", "+"), the user meant that key.
    std::wstring keyName;
    bool keyEndsInPlus = false;
    for (const std::wstring_view name : {std::wstring_view(L"Num+"), std::wstring_view(L"+")}) {
        if (StandsAtEnd(text, name)) {
            keyName = name;
            keyEndsInPlus = true;
            text.resize(text.size() - name.size());  // modifiers, each followed by "+"
            break;
        }
    }
    // Every piece before a "+" is a modifier token; what follows the last "+" is the key name.
    std::size_t start = 0;
    for (auto plus = text.find(L'+'); plus != std::wstring::npos; plus = text.find(L'+', start)) {
        modifiers |= ModifierFlag(text.substr(start, plus - start));
        start = plus + 1;
    }
    if (!keyEndsInPlus) {
        keyName = text.substr(start);
    }
    const auto found = m_keyNames.find(keyName);
    if (found != m_keyNames.end()) {
        virtualKey = found->second;
    }
}
