#include <windows.h>

#include "app/string_resources.h"

std::wstring LoadStringResource(unsigned id) {
    // A zero buffer length asks for a read-only pointer into the resource itself.
    const wchar_t* text = nullptr;
    const int length =
        ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        return L"";
    }
    return std::wstring(text, static_cast<std::size_t>(length));
}
