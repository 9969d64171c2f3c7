#include "ui/png_image_win.h"

#include <cstring>
#include <utility>

#include "ui/png_resource_win.h"

PngImage::PngImage(UniqueGlobalMemory block, ComPtr<IStream> stream,
                   std::unique_ptr<Gdiplus::Image> image)
    : m_block(std::move(block)), m_stream(std::move(stream)), m_image(std::move(image)) {}

PngImage::PngImage(PngImage&& other) noexcept
    : m_block(std::move(other.m_block)),
      m_stream(std::move(other.m_stream)),
      m_image(std::move(other.m_image)) {}

PngImage& PngImage::operator=(PngImage&& other) noexcept {
    if (this != &other) {
        Reset();
        m_block = std::move(other.m_block);
        m_stream = std::move(other.m_stream);
        m_image = std::move(other.m_image);
    }
    return *this;
}

int PngImage::Width() const {
    return m_image != nullptr ? static_cast<int>(m_image->GetWidth()) : 0;
}

int PngImage::Height() const {
    return m_image != nullptr ? static_cast<int>(m_image->GetHeight()) : 0;
}

void PngImage::Reset() {
    m_image.reset();
    m_stream.Reset();
    m_block.Reset();
}

PngImage LoadPngImage(WORD id) {
    const std::span<const BYTE> bytes = FindPngResource(id);
    if (bytes.empty()) {
        return {};
    }
    UniqueGlobalMemory block(::GlobalAlloc(GMEM_FIXED, bytes.size()));
    if (!block) {
        return {};
    }
    ComPtr<IStream> stream = StreamOverBlock(block.Get());
    if (!stream) {
        return {};
    }
    // A fixed block's handle is its address.
    std::memcpy(block.Get(), bytes.data(), bytes.size());
    std::unique_ptr<Gdiplus::Image> image(Gdiplus::Image::FromStream(stream.Get()));
    if (image == nullptr || image->GetLastStatus() != Gdiplus::Ok) {
        return {};
    }
    return PngImage(std::move(block), std::move(stream), std::move(image));
}
