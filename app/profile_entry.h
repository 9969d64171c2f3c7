// Rules on profile names and values shared by both builds' profile access.
#pragma once

#include <string_view>

// The text a C-string interface sees: everything before the first NUL.
template <typename Char>
std::basic_string_view<Char> UpToNul(std::basic_string_view<Char> text) {
    return text.substr(0, text.find(Char{0}));
}

// The blanks dropped around names and values: space, tab, vertical tab, form feed and the old
// end-of-file mark 0x1A.
template <typename Char>
bool IsProfileBlank(Char c) {
    return c == Char{' '} || c == Char{'\t'} || c == Char{'\v'} || c == Char{'\f'} ||
           c == Char{0x1A};
}

template <typename Char>
std::basic_string_view<Char> TrimProfileBlanks(std::basic_string_view<Char> text) {
    while (!text.empty() && IsProfileBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsProfileBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Whether section/key/value can be written so that the same value reads back and no other line
// changes meaning: names not empty after trimming, no line break anywhere (it would start a new
// line, even a new section), no '=' in the key, and a key that does not start with ';' (a
// comment) or '[' (a section header).
template <typename Char>
bool IsStorableProfileEntry(std::basic_string_view<Char> section, std::basic_string_view<Char> key,
                            std::basic_string_view<Char> value) {
    const Char lineBreaks[] = {Char{'\r'}, Char{'\n'}, Char{0}};
    for (const auto text : {section, key, value}) {
        if (text.find_first_of(lineBreaks) != std::basic_string_view<Char>::npos) {
            return false;
        }
    }
    const auto name = TrimProfileBlanks(key);
    return !TrimProfileBlanks(section).empty() && !name.empty() &&
           name.find(Char{'='}) == std::basic_string_view<Char>::npos &&
           name.front() != Char{';'} && name.front() != Char{'['};
}
