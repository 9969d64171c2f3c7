// UTF-8 <-> wide text: at the Linux OS boundary (file names, file contents, environment) and
// wherever bytes in UTF-8 become text (names in archives). Wide text is UTF-16 on Windows and
// UTF-32 on Linux.
#pragma once

#include <string>
#include <string_view>

// Invalid code points (lone surrogates, values past U+10FFFF) become U+FFFD.
std::string WideToUtf8(std::wstring_view text);

// Malformed or overlong sequences become U+FFFD, one per offending byte.
std::wstring Utf8ToWide(std::string_view text);
