#include "tests/win/driver/screenshot.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/win/gdi_handles.h"
#include "ui/gdiplus_win.h"

namespace {

bool PngEncoder(CLSID& encoder) {
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) {
        return false;
    }
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) {
        return false;
    }
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(codecs[i].MimeType) == L"image/png") {
            encoder = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

Rgb Picture::RgbAt(int x, int y) const {
    const uint32_t pixel = At(x, y);
    return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
            static_cast<int>(pixel & 0xFF)};
}

Picture Picture::Crop(int x, int y, int width, int height) const {
    const int left = std::clamp(x, 0, m_width);
    const int top = std::clamp(y, 0, m_height);
    const int right = std::clamp(x + width, left, m_width);
    const int bottom = std::clamp(y + height, top, m_height);
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>((right - left) * (bottom - top)));
    for (int row = top; row < bottom; ++row) {
        for (int column = left; column < right; ++column) {
            pixels.push_back(At(column, row));
        }
    }
    return Picture(right - left, bottom - top, std::move(pixels));
}

Picture CaptureScreen(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    WindowDc screen(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueGdiObject section(
        ::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc memory(::CreateCompatibleDC(screen.Get()));
    if (!section || !memory || bits == nullptr) {
        return {};
    }
    {
        SelectedObject selected(memory.Get(), section.Get());
        ::BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top,
                 SRCCOPY | CAPTUREBLT);
        ::GdiFlush();
    }
    std::vector<uint32_t> pixels(static_cast<size_t>(width * height));
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(uint32_t));
    for (uint32_t& pixel : pixels) {
        pixel |= 0xFF000000u;
    }
    return Picture(width, height, std::move(pixels));
}

Picture CaptureWindow(HWND window) {
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    return CaptureScreen(rect);
}

bool SavePng(const Picture& picture, const std::wstring& path) {
    CLSID encoder = {};
    if (picture.Empty() || !PngEncoder(encoder)) {
        return false;
    }
    std::vector<uint32_t> pixels = picture.Pixels();
    Gdiplus::Bitmap bitmap(picture.Width(), picture.Height(), picture.Width() * 4,
                           PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels.data()));
    return bitmap.Save(path.c_str(), &encoder, nullptr) == Gdiplus::Ok;
}

std::wstring ArtifactPath(const std::wstring& name) {
    wchar_t folder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"\\artifacts";
    ::CreateDirectoryW(path.c_str(), nullptr);
    return path + L"\\" + name;
}
