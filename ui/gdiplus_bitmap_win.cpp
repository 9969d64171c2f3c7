#include "ui/gdiplus_bitmap_win.h"

#include <cstring>

#include "ui/png_resource_win.h"

CGdiPlusBitmapResource::~CGdiPlusBitmapResource() {
    Empty();
}

void CGdiPlusBitmapResource::Empty() {
    m_pBitmap.reset();
    if (m_bLocked) {
        ::GlobalUnlock(m_hBuffer.Get());
        m_bLocked = false;
    }
    m_hBuffer.Reset();
}

bool CGdiPlusBitmapResource::Load(WORD id) {
    Empty();
    const std::span<const BYTE> bytes = FindPngResource(id);
    if (bytes.empty()) {
        return false;
    }
    m_hBuffer.Reset(::GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    void* copy = m_hBuffer ? ::GlobalLock(m_hBuffer.Get()) : nullptr;
    if (copy == nullptr) {
        Empty();
        return false;
    }
    m_bLocked = true;
    std::memcpy(copy, bytes.data(), bytes.size());
    {
        ComPtr<IStream> stream = StreamOverBlock(m_hBuffer.Get());
        if (stream) {
            m_pBitmap.reset(Gdiplus::Bitmap::FromStream(stream.Get()));
        }
    }
    if (m_pBitmap == nullptr || m_pBitmap->GetLastStatus() != Gdiplus::Ok) {
        Empty();
        return false;
    }
    return true;
}
