#include "install/zip_name.h"

#include <array>
#include <string_view>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsValidScalar(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// Decodes one sequence at bytes[i] into `out`; returns its length (1 for a malformed one, which
// yields U+FFFD).
std::size_t DecodeOne(ZipBytes bytes, std::size_t i, char32_t& out) {
    const unsigned char lead = bytes[i];
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
    if (bytes.size() - i < length) {
        return 1;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = bytes[i + k];
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

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// One pass of the rule: applies the first case that fits; false when none does.
bool StripOnce(std::wstring& name) {
    if (name.size() >= 2 && name[1] == L':') {
        name.erase(0, 2);
        return true;
    }
    if (!name.empty() && IsSeparator(name[0])) {
        name.erase(0, 1);
        return true;
    }
    static constexpr std::array<std::wstring_view, 4> kParentSteps = {L"\\..\\", L"\\../", L"/../",
                                                                      L"/..\\"};
    for (const std::wstring_view step : kParentSteps) {
        const std::size_t at = name.find(step);
        if (at != std::wstring::npos) {
            name.erase(0, at + step.size());
            return true;
        }
    }
    return false;
}

}  // namespace

std::wstring DecodeZipName(ZipBytes bytes) {
    std::wstring name;
    name.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        i += DecodeOne(bytes, i, c);
        AppendWide(name, c);
    }
    return name;
}

std::wstring StripZipName(std::wstring name) {
    while (StripOnce(name)) {
    }
    return name;
}
