#include "app/profile_document.h"

#include "platform/utf8.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNewLine = "\r\n";

// One line of the text: [begin, contentEnd) is its text, [contentEnd, end) its line end.
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
};

enum class LineKind { Blank, Comment, Section, Entry };

struct ParsedLine {
    LineKind kind = LineKind::Blank;
    std::string_view name;                  // section or entry name, trimmed
    std::optional<std::string_view> value;  // entries with '=': the value, trimmed
};

std::size_t TextStart(std::string_view text) {
    return text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

// The line at `begin` (begin < text.size()). A line end is CR LF, LF or a lone CR.
Line LineAt(std::string_view text, std::size_t begin) {
    Line line;
    line.begin = begin;
    line.contentEnd = text.find_first_of("\r\n", begin);
    if (line.contentEnd == std::string_view::npos) {
        line.contentEnd = line.end = text.size();
        return line;
    }
    line.end = line.contentEnd + 1;
    if (text[line.contentEnd] == '\r' && line.end < text.size() && text[line.end] == '\n') {
        ++line.end;
    }
    return line;
}

ParsedLine ParseLine(std::string_view content) {
    const std::string_view trimmed = TrimProfileBlanks(content);
    if (trimmed.empty()) {
        return {};
    }
    if (trimmed.front() == ';') {
        return {LineKind::Comment, {}, {}};
    }
    const std::size_t close = trimmed.rfind(']');
    if (trimmed.front() == '[' && close != std::string_view::npos && close > 0) {
        return {LineKind::Section, TrimProfileBlanks(trimmed.substr(1, close - 1)), {}};
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::Entry, trimmed, {}};
    }
    return {LineKind::Entry, TrimProfileBlanks(trimmed.substr(0, equals)),
            TrimProfileBlanks(trimmed.substr(equals + 1))};
}

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names compare as the C strings the platform functions see: up to a NUL.
bool NamesMatch(std::string_view stored, std::string_view wanted) {
    stored = UpToNul(stored);
    if (stored.size() != wanted.size()) {
        return false;
    }
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (FoldAscii(stored[i]) != FoldAscii(wanted[i])) {
            return false;
        }
    }
    return true;
}

// Where section/key stands in the text; the first matching section only.
struct EntryPlace {
    bool sectionFound = false;
    std::optional<Line> entryLine;  // the first entry named key in that section
    ParsedLine entry;               // its parsed form
    std::size_t lastEntryEnd = 0;   // end of the section's last entry (or of its header)
    bool lastEntryHasLineEnd = true;
};

EntryPlace LocateEntry(std::string_view text, std::string_view section, std::string_view key) {
    EntryPlace place;
    bool inSection = section.empty();  // lines before the first header form the unnamed section
    place.sectionFound = inSection;
    for (std::size_t at = TextStart(text); at < text.size();) {
        const Line line = LineAt(text, at);
        at = line.end;
        const ParsedLine parsed = ParseLine(text.substr(line.begin, line.contentEnd - line.begin));
        if (parsed.kind == LineKind::Section) {
            if (inSection) {
                break;
            }
            inSection = NamesMatch(parsed.name, section);
            place.sectionFound = inSection;
        }
        if (!inSection || parsed.kind == LineKind::Blank || parsed.kind == LineKind::Comment) {
            continue;
        }
        place.lastEntryEnd = line.end;
        place.lastEntryHasLineEnd = line.end > line.contentEnd;
        if (parsed.kind == LineKind::Entry && !place.entryLine && NamesMatch(parsed.name, key)) {
            place.entryLine = line;
            place.entry = parsed;
        }
    }
    return place;
}

std::string EntryText(std::string_view name, std::string_view value) {
    std::string line(name);
    line += '=';
    line += value;
    return line;
}

std::string ReplaceEntry(std::string_view text, const EntryPlace& place, std::string_view value) {
    const Line& line = *place.entryLine;
    std::string edited(text.substr(0, line.begin));
    edited += EntryText(place.entry.name, value);
    edited += text.substr(line.contentEnd);
    return edited;
}

std::string InsertEntry(std::string_view text, const EntryPlace& place, std::string_view key,
                        std::string_view value) {
    std::string edited(text.substr(0, place.lastEntryEnd));
    if (!place.lastEntryHasLineEnd) {
        edited += kNewLine;
    }
    edited += EntryText(key, value);
    edited += kNewLine;
    edited += text.substr(place.lastEntryEnd);
    return edited;
}

std::string AppendSection(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value) {
    std::string edited(text);
    if (edited.size() > TextStart(text) && edited.back() != '\n' && edited.back() != '\r') {
        edited += kNewLine;
    }
    edited += '[';
    edited += section;
    edited += ']';
    edited += kNewLine;
    edited += EntryText(key, value);
    edited += kNewLine;
    return edited;
}

// Quotes come off only when the same quote closes the text and something stands between.
std::wstring_view WithoutQuotes(std::wstring_view text) {
    if (text.size() >= 2 && (text.front() == L'"' || text.front() == L'\'') &&
        text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

}  // namespace

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
    const EntryPlace place = LocateEntry(text, TrimProfileBlanks(section), TrimProfileBlanks(key));
    if (!place.entryLine) {
        return std::nullopt;
    }
    return place.entry.value;
}

std::optional<std::string> SetProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value) {
    const bool hasNul = section.find('\0') != std::string_view::npos ||
                        key.find('\0') != std::string_view::npos ||
                        value.find('\0') != std::string_view::npos;
    if (hasNul || !IsStorableProfileEntry(section, key, value)) {
        return std::nullopt;
    }
    section = TrimProfileBlanks(section);
    key = TrimProfileBlanks(key);
    while (!value.empty() && IsProfileBlank(value.front())) {
        value.remove_prefix(1);
    }
    const EntryPlace place = LocateEntry(text, section, key);
    if (place.entryLine && place.entry.value == value) {
        return std::string(text);
    }
    if (place.entryLine) {
        return ReplaceEntry(text, place, value);
    }
    if (place.sectionFound) {
        return InsertEntry(text, place, key, value);
    }
    return AppendSection(text, section, key, value);
}

std::wstring ProfileBufferText(std::wstring_view text, std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    return std::wstring(WithoutQuotes(UpToNul(text)).substr(0, bufferSize - 1));
}

std::wstring_view TrimProfileDefault(std::wstring_view defaultValue) {
    defaultValue = UpToNul(defaultValue);
    while (!defaultValue.empty() && defaultValue.back() == L' ') {
        defaultValue.remove_suffix(1);
    }
    return defaultValue;
}

std::wstring ReadProfileText(const std::optional<std::string_view>& text, std::wstring_view section,
                             std::wstring_view key, std::wstring_view defaultValue,
                             std::size_t bufferSize) {
    std::optional<std::string_view> value;
    if (text) {
        value = FindProfileValue(*text, WideToUtf8(UpToNul(section)), WideToUtf8(UpToNul(key)));
    }
    if (value) {
        return ProfileBufferText(Utf8ToWide(UpToNul(*value)), bufferSize);
    }
    return ProfileBufferText(TrimProfileDefault(defaultValue), bufferSize);
}

std::optional<std::string> WriteProfileText(const std::optional<std::string_view>& text,
                                            std::wstring_view section, std::wstring_view key,
                                            std::wstring_view value) {
    return SetProfileValue(text.value_or(std::string_view{}), WideToUtf8(UpToNul(section)),
                           WideToUtf8(UpToNul(key)), WideToUtf8(UpToNul(value)));
}
