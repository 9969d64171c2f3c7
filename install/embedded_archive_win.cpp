#include <windows.h>

#include "install/embedded_archive.h"
#include "resource.h"

std::span<const unsigned char> EmbeddedArchiveBytes() {
    // Resource memory of the module itself: mapped for the process's life, never freed.
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(IDR_EMBEDDED_ZIP), L"ZIP");
    if (resource == nullptr) {
        return {};
    }
    HGLOBAL loaded = ::LoadResource(module, resource);
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    return {static_cast<const unsigned char*>(bytes), ::SizeofResource(module, resource)};
}
