// An off-screen device context for one drawing operation: drawing goes into a memory bitmap in the
// target's coordinates and is copied to the target in one BitBlt when the object goes. On a
// printer it draws straight to the target.
#pragma once

#include <windows.h>

#include "platform/win/gdi_handles.h"

class CMyMemDC {
public:
    // `rect` is in the target's logical coordinates; all zeros means the target's clip box.
    CMyMemDC(HDC target, RECT rect);
    ~CMyMemDC();
    CMyMemDC(const CMyMemDC&) = delete;
    CMyMemDC& operator=(const CMyMemDC&) = delete;

    // Where to draw: the memory context, or the target itself for a printer (or when no memory
    // bitmap could be made).
    HDC Get() const { return m_bMemDC ? m_memory.Get() : m_pDC; }
    bool IsOffscreen() const { return m_bMemDC; }
    const RECT& Rect() const { return m_rect; }

private:
    bool SetUpOffscreen(RECT rect);

    UniqueMemoryDc m_memory;
    UniqueGdiObject m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    HDC m_pDC;
    RECT m_rect = {};
    bool m_bMemDC = false;
};
