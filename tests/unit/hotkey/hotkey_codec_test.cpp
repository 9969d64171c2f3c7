#include "hotkey/hotkey_codec.h"

#include <gtest/gtest.h>

namespace {

struct HotkeyCase {
    const wchar_t* text;
    std::uint32_t modifiers;
    std::uint32_t key;
};

class ParseHotkeyTest : public testing::TestWithParam<HotkeyCase> {};

TEST_P(ParseHotkeyTest, GivesMaskAndKey) {
    const HotkeyCase& c = GetParam();
    CHotkeyCodec codec;
    std::uint32_t modifiers = 0xDEAD;
    std::uint32_t key = 0xBEEF;
    codec.ParseHotkey(c.text, modifiers, key);
    EXPECT_EQ(modifiers, c.modifiers);
    EXPECT_EQ(key, c.key);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseHotkeyTest,
    testing::Values(
        // The shipped defaults.
        HotkeyCase{L"F10", 0, 0x79}, HotkeyCase{L"F11", 0, 0x7A},
        HotkeyCase{L"Ctrl+Shift+A", 0x0006, 0x41},
        // Modifier order and repetition do not matter.
        HotkeyCase{L"Shift+Ctrl+A", 0x0006, 0x41}, HotkeyCase{L"Ctrl+Alt+Delete", 0x0003, 0x2E},
        HotkeyCase{L"Alt+Alt+Num5", 0x0001, 0x65},
        // Nothing, or nothing known.
        HotkeyCase{L"", 0, 0}, HotkeyCase{L"Esc", 0, 0}, HotkeyCase{L"Tab", 0, 0},
        HotkeyCase{L"F13", 0, 0}, HotkeyCase{L"F0", 0, 0},
        // Exact comparison: case matters, blanks are not trimmed.
        HotkeyCase{L"ctrl+a", 0, 0}, HotkeyCase{L"Ctrl + A", 0, 0}, HotkeyCase{L" F10", 0, 0},
        HotkeyCase{L"Ctrl+a", 0x0002, 0},
        // Separator at the end leaves an empty key name; unknown tokens are ignored.
        HotkeyCase{L"Ctrl+", 0x0002, 0}, HotkeyCase{L"Win+A", 0, 0x41}, HotkeyCase{L"+A", 0, 0x41},
        HotkeyCase{L"Ctrl++A", 0x0002, 0x41},
        // A modifier name in the last place is the key itself.
        HotkeyCase{L"Ctrl", 0, 0x11}, HotkeyCase{L"Shift+Ctrl", 0x0004, 0x11},
        HotkeyCase{L"Alt", 0, 0x12},
        // Keys whose names end in "+": a "+" or "Num+" that stands on its own at the end is
        // that key, as the user writing "Ctrl++" means; "Ctrl+" still leaves no key.
        HotkeyCase{L"Ctrl++", 0x0002, 0xBB}, HotkeyCase{L"Ctrl+Shift++", 0x0006, 0xBB},
        HotkeyCase{L"++", 0, 0xBB}, HotkeyCase{L"+", 0, 0xBB}, HotkeyCase{L"Ctrl+++", 0x0002, 0xBB},
        HotkeyCase{L"Num+", 0, 0x6B}, HotkeyCase{L"Alt+Num+", 0x0001, 0x6B},
        HotkeyCase{L"Alt+xNum+", 0x0001, 0}, HotkeyCase{L"Num++", 0, 0xBB},
        // Other table entries through the parser. HotkeyCase{L"Shift+Num-", 0x0004, 0x6D},
        HotkeyCase{L"Ctrl+Num/", 0x0002, 0x6F}, HotkeyCase{L"Alt+\\", 0x0001, 0xDC},
        HotkeyCase{L"Alt+`", 0x0001, 0xC0}, HotkeyCase{L"Ctrl+0", 0x0002, 0x30},
        HotkeyCase{L"Shift+Z", 0x0004, 0x5A}, HotkeyCase{L"F1", 0, 0x70},
        HotkeyCase{L"F12", 0, 0x7B}, HotkeyCase{L"Num0", 0, 0x60}, HotkeyCase{L"Num9", 0, 0x69}));

TEST(HotkeyCodecTableTest, HoldsTheEightyEightKeys) {
    CHotkeyCodec codec;
    const auto& table = codec.KeyNames();
    EXPECT_EQ(table.size(), 88u);

    // The regular runs map to their codes.
    for (wchar_t c = L'0'; c <= L'9'; ++c) {
        EXPECT_EQ(table.at(std::wstring(1, c)), static_cast<std::uint32_t>(c));
    }
    for (wchar_t c = L'A'; c <= L'Z'; ++c) {
        EXPECT_EQ(table.at(std::wstring(1, c)), static_cast<std::uint32_t>(c));
        EXPECT_EQ(table.count(std::wstring(1, static_cast<wchar_t>(c + 32))), 0u);
    }
    const std::pair<const wchar_t*, std::uint32_t> named[] = {
        {L"Space", 0x20}, {L"PageUp", 0x21}, {L"PageDown", 0x22}, {L"End", 0x23},
        {L"Home", 0x24},  {L"Left", 0x25},   {L"Up", 0x26},       {L"Right", 0x27},
        {L"Down", 0x28},  {L"Insert", 0x2D}, {L"Num*", 0x6A},     {L"NumDel", 0x6E},
        {L";", 0xBA},     {L"+", 0xBB},      {L",", 0xBC},        {L"-", 0xBD},
        {L".", 0xBE},     {L"/", 0xBF},      {L"[", 0xDB},        {L"]", 0xDD},
        {L"'", 0xDE},     {L"Shift", 0x10},
    };
    for (const auto& [name, code] : named) {
        EXPECT_EQ(table.at(name), code) << "key " << testing::PrintToString(std::wstring(name));
    }
    // No separator key, and none of the keys left out on purpose.
    for (const auto& [name, code] : table) {
        EXPECT_NE(code, 0x6Cu);
    }
    for (const wchar_t* absent : {L"Esc", L"Escape", L"Tab", L"Enter", L"Backspace", L"Pause",
                                  L"PrintScreen", L"Win", L"F13"}) {
        EXPECT_EQ(table.count(absent), 0u) << testing::PrintToString(std::wstring(absent));
    }
}

TEST(HotkeyCodecTest, LeavesTheCallersTextAlone) {
    CHotkeyCodec codec;
    const std::wstring text = L"Ctrl+Shift+A";
    std::uint32_t modifiers = 0;
    std::uint32_t key = 0;
    codec.ParseHotkey(text, modifiers, key);
    EXPECT_EQ(text, L"Ctrl+Shift+A");
}

TEST(HotkeyCodecTest, LongTextsOfSeparatorsEndQuickly) {
    CHotkeyCodec codec;
    std::uint32_t modifiers = 0;
    std::uint32_t key = 0;
    codec.ParseHotkey(std::wstring(100000, L'+') + L"Q", modifiers, key);
    EXPECT_EQ(modifiers, 0u);
    EXPECT_EQ(key, 0x51u);
}

}  // namespace
