#include "install/shell_desktop_entry_posix.h"

#include <string_view>

#include "platform/utf8.h"

namespace {

bool HoldsControlCharacter(const std::wstring& text) {
    for (const wchar_t c : text) {
        if (c < 0x20 || c == 0x7F) {
            return true;
        }
    }
    return false;
}

// The escapes of a string value: a backslash doubled, a leading blank as "\s" (readers drop
// blanks after the equals sign).
std::string EscapeValue(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c == ' ' && escaped.empty()) {
            escaped += "\\s";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

// One Exec word before the value escapes: quoted when empty or holding a reserved character,
// with '"', '`', '$' and '\' escaped inside the quotes; '%' doubled everywhere, since a single
// one starts a field code.
std::string QuoteExecWord(std::string_view word) {
    constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
    const bool quote = word.empty() || word.find_first_of(kReserved) != word.npos;
    std::string quoted = quote ? "\"" : "";
    for (const char c : word) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            quoted += '\\';
        }
        quoted += c;
        if (c == '%') {
            quoted += '%';
        }
    }
    if (quote) {
        quoted += '"';
    }
    return quoted;
}

std::string ExecValue(const DesktopEntryFields& fields) {
    std::string exec = QuoteExecWord(WideToUtf8(fields.target));
    if (!fields.arguments.empty()) {
        exec += ' ';
        exec += QuoteExecWord(WideToUtf8(fields.arguments));
    }
    return EscapeValue(exec);
}

}  // namespace

std::optional<std::string> FormatDesktopEntry(const DesktopEntryFields& fields) {
    for (const std::wstring* text :
         {&fields.name, &fields.target, &fields.arguments, &fields.icon}) {
        if (HoldsControlCharacter(*text)) {
            return std::nullopt;
        }
    }
    std::string entry = "[Desktop Entry]\nType=Application\n";
    entry += "Name=" + EscapeValue(WideToUtf8(fields.name)) + "\n";
    entry += "Comment=\n";
    entry += "Exec=" + ExecValue(fields) + "\n";
    if (!fields.icon.empty()) {
        entry += "Icon=" + EscapeValue(WideToUtf8(fields.icon)) + "\n";
    }
    return entry;
}
