// GDI+ bitmaps owned by the controls that draw them, one of them decoded from a PNG resource.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/win/gdi_handles.h"
#include "ui/gdiplus_win.h"

// Owns one GDI+ bitmap (or none).
class CGdiPlusBitmap {
public:
    CGdiPlusBitmap() = default;
    virtual ~CGdiPlusBitmap() = default;
    CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
    CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;

    Gdiplus::Bitmap* Get() const { return m_pBitmap.get(); }
    explicit operator bool() const { return m_pBitmap != nullptr; }

protected:
    std::unique_ptr<Gdiplus::Bitmap> m_pBitmap;
};

// A bitmap decoded from a PNG resource. The bitmap reads from a locked copy of the PNG bytes,
// which lives exactly as long as the bitmap.
class CGdiPlusBitmapResource : public CGdiPlusBitmap {
public:
    CGdiPlusBitmapResource() = default;
    ~CGdiPlusBitmapResource() override;

    // Replaces what the object holds by PNG resource `id`. On failure the object is empty.
    bool Load(WORD id);
    void Empty();

private:
    UniqueGlobalMemory m_hBuffer;
    bool m_bLocked = false;
};
