#include "update/digest_text.h"

void AppendDigestText(std::wstring& text, const unsigned char* digest, std::size_t length) {
    constexpr wchar_t kDigits[] = L"0123456789abcdef";
    for (std::size_t i = 0; i < length; ++i) {
        text += kDigits[digest[i] >> 4];
        text += kDigits[digest[i] & 0x0F];
    }
}
