#include "platform/utf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsValidScalar(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (!IsValidScalar(c)) {
        c = kReplacement;
    }
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one sequence at text[i]; returns its length (1 for a bad lead or continuation).
std::size_t DecodeOne(std::string_view text, std::size_t i, char32_t& out) {
    const auto lead = static_cast<unsigned char>(text[i]);
    out = kReplacement;
    if (lead < 0x80) {
        out = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 1;
    }
    if (i + length > text.size()) {
        return 1;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return 1;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || !IsValidScalar(value)) {
        return 1;
    }
    out = value;
    return length;
}

void AppendWide(std::wstring& out, char32_t c) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
            return;
        }
    }
    out.push_back(static_cast<wchar_t>(c));
}

// The code point at text[i] (a surrogate pair where wchar_t is 16 bits); advances i.
char32_t NextCodePoint(std::wstring_view text, std::size_t& i) {
    const auto unit = static_cast<char32_t>(text[i++]);
    if constexpr (sizeof(wchar_t) == 2) {
        if (unit >= 0xD800 && unit <= 0xDBFF && i < text.size()) {
            const auto low = static_cast<char32_t>(text[i]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                ++i;
                return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            }
        }
    }
    return unit;
}

}  // namespace

std::string WideToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        AppendUtf8(out, NextCodePoint(text, i));
    }
    return out;
}

std::wstring Utf8ToWide(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        i += DecodeOne(text, i, c);
        AppendWide(out, c);
    }
    return out;
}
