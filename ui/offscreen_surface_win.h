// A memory device context with a bitmap of its own selected into it: a picture kept between
// paints (the skinned button's background and looks).
#pragma once

#include <windows.h>

#include "platform/win/gdi_handles.h"

class OffscreenSurface {
public:
    OffscreenSurface() = default;
    ~OffscreenSurface() { Reset(); }
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    // A new surface of `width` x `height` compatible with `dc`; false (and empty) on failure.
    bool Create(HDC dc, int width, int height);
    void Reset();

    HDC Dc() const { return m_dc.Get(); }
    explicit operator bool() const { return static_cast<bool>(m_dc); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    UniqueMemoryDc m_dc;
    UniqueGdiObject m_bitmap;
    HGDIOBJ m_previous = nullptr;
    int m_width = 0;
    int m_height = 0;
};
