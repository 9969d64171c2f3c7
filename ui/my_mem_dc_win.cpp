#include "ui/my_mem_dc_win.h"

namespace {

bool IsAllZero(const RECT& rect) {
    return rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0;
}

}  // namespace

CMyMemDC::CMyMemDC(HDC target, RECT rect) : m_pDC(target), m_rect(rect) {
    if (::GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER) {
        return;  // printers get the drawing directly
    }
    m_bMemDC = SetUpOffscreen(rect);
}

bool CMyMemDC::SetUpOffscreen(RECT rect) {
    if (IsAllZero(rect)) {
        ::GetClipBox(m_pDC, &rect);
    }
    m_rect = rect;
    m_memory.Reset(::CreateCompatibleDC(m_pDC));
    m_bitmap.Reset(::CreateCompatibleBitmap(m_pDC, rect.right - rect.left, rect.bottom - rect.top));
    if (!m_memory || !m_bitmap) {
        // Without a bitmap of its own the drawing would be lost; draw on the target instead.
        m_bitmap.Reset();
        m_memory.Reset();
        return false;
    }
    m_oldBitmap = ::SelectObject(m_memory.Get(), m_bitmap.Get());
    ::SetWindowOrgEx(m_memory.Get(), rect.left, rect.top, nullptr);
    return true;
}

CMyMemDC::~CMyMemDC() {
    if (!m_bMemDC) {
        return;
    }
    ::BitBlt(m_pDC, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top,
             m_memory.Get(), m_rect.left, m_rect.top, SRCCOPY);
    ::SelectObject(m_memory.Get(), m_oldBitmap);
}
