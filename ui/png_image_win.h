// A PNG resource of the executable decoded into a GDI+ image, for the windows that draw it on
// every paint.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/win/com_ptr.h"
#include "platform/win/gdi_handles.h"
#include "ui/gdiplus_win.h"

// GDI+ keeps reading from the stream an image was decoded from, so the image owns that stream and
// the memory block behind it and lets them go only after the image. Windows keep one for their
// lifetime; it must be gone before GDI+ is shut down.
class PngImage {
public:
    PngImage() = default;
    PngImage(UniqueGlobalMemory block, ComPtr<IStream> stream,
             std::unique_ptr<Gdiplus::Image> image);
    PngImage(PngImage&& other) noexcept;
    PngImage& operator=(PngImage&& other) noexcept;
    ~PngImage() { Reset(); }

    Gdiplus::Image* Get() const { return m_image.get(); }
    Gdiplus::Image* operator->() const { return m_image.get(); }
    explicit operator bool() const { return m_image != nullptr; }
    int Width() const;
    int Height() const;

    // Releases the image, then its stream, then the memory.
    void Reset();

private:
    UniqueGlobalMemory m_block;
    ComPtr<IStream> m_stream;
    std::unique_ptr<Gdiplus::Image> m_image;
};

// The image of PNG resource `id`; empty when the resource is missing or does not decode.
PngImage LoadPngImage(WORD id);
