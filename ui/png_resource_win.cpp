#include "ui/png_resource_win.h"

std::span<const BYTE> FindPngResource(WORD id) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (info == nullptr) {
        return {};
    }
    const DWORD size = ::SizeofResource(module, info);
    HGLOBAL loaded = size != 0 ? ::LoadResource(module, info) : nullptr;
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    return {static_cast<const BYTE*>(bytes), size};
}

ComPtr<IStream> StreamOverBlock(HGLOBAL block) {
    ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(block, FALSE,
                                       reinterpret_cast<IStream**>(stream.ReceiveVoid())))) {
        stream.Reset();
    }
    return stream;
}
