#include "ui/offscreen_surface_win.h"

bool OffscreenSurface::Create(HDC dc, int width, int height) {
    Reset();
    m_dc.Reset(::CreateCompatibleDC(dc));
    m_bitmap.Reset(::CreateCompatibleBitmap(dc, width, height));
    if (!m_dc || !m_bitmap) {
        Reset();
        return false;
    }
    m_previous = ::SelectObject(m_dc.Get(), m_bitmap.Get());
    m_width = width;
    m_height = height;
    return true;
}

void OffscreenSurface::Reset() {
    if (m_dc && m_previous != nullptr) {
        ::SelectObject(m_dc.Get(), m_previous);
    }
    m_previous = nullptr;
    m_bitmap.Reset();
    m_dc.Reset();
    m_width = 0;
    m_height = 0;
}
