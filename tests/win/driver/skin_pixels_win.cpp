#include "tests/win/driver/skin_pixels.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "ui/gdiplus_bitmap_win.h"
#include "ui/gdiplus_win.h"

namespace {

int Channel(uint32_t pixel, int shift) {
    return static_cast<int>((pixel >> shift) & 0xFF);
}

uint32_t Pack(int alpha, int red, int green, int blue) {
    return (static_cast<uint32_t>(alpha) << 24) | (static_cast<uint32_t>(red) << 16) |
           (static_cast<uint32_t>(green) << 8) | static_cast<uint32_t>(blue);
}

uint32_t BlendPixel(uint32_t top, uint32_t bottom) {
    const int alpha = Channel(top, 24);
    auto mix = [alpha](int over, int under) {
        return (over * alpha + under * (255 - alpha) + 127) / 255;
    };
    return Pack(255, mix(Channel(top, 16), Channel(bottom, 16)),
                mix(Channel(top, 8), Channel(bottom, 8)), mix(Channel(top, 0), Channel(bottom, 0)));
}

int BrightenChannel(int value) {
    return std::clamp(static_cast<int>(value * 1.05 + 0.05 * 255 + 0.5), 0, 255);
}

}  // namespace

Picture DecodePngResource(WORD id) {
    CGdiPlusBitmapResource resource;
    if (!resource.Load(id)) {
        return {};
    }
    Gdiplus::Bitmap* bitmap = resource.Get();
    const int width = static_cast<int>(bitmap->GetWidth());
    const int height = static_cast<int>(bitmap->GetHeight());
    Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData data = {};
    if (bitmap->LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) !=
        Gdiplus::Ok) {
        return {};
    }
    std::vector<uint32_t> pixels(static_cast<size_t>(width * height));
    for (int row = 0; row < height; ++row) {
        std::memcpy(&pixels[static_cast<size_t>(row * width)],
                    static_cast<const BYTE*>(data.Scan0) + row * data.Stride,
                    static_cast<size_t>(width) * sizeof(uint32_t));
    }
    bitmap->UnlockBits(&data);
    return Picture(width, height, std::move(pixels));
}

Picture DrawOver(const Picture& bottom, const Picture& top, int x, int y) {
    std::vector<uint32_t> pixels = bottom.Pixels();
    for (int row = 0; row < top.Height(); ++row) {
        for (int column = 0; column < top.Width(); ++column) {
            const int targetX = x + column;
            const int targetY = y + row;
            if (targetX < 0 || targetY < 0 || targetX >= bottom.Width() ||
                targetY >= bottom.Height()) {
                continue;
            }
            uint32_t& under = pixels[static_cast<size_t>(targetY * bottom.Width() + targetX)];
            under = BlendPixel(top.At(column, row), under);
        }
    }
    return Picture(bottom.Width(), bottom.Height(), std::move(pixels));
}

Picture Brighten(const Picture& picture) {
    std::vector<uint32_t> pixels = picture.Pixels();
    for (uint32_t& pixel : pixels) {
        pixel = Pack(Channel(pixel, 24), BrightenChannel(Channel(pixel, 16)),
                     BrightenChannel(Channel(pixel, 8)), BrightenChannel(Channel(pixel, 0)));
    }
    return Picture(picture.Width(), picture.Height(), std::move(pixels));
}

int CountDifferences(const Picture& actual, const Picture& expected, int tolerance) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
        return std::max(actual.Width() * actual.Height(), expected.Width() * expected.Height());
    }
    int differences = 0;
    for (size_t i = 0; i < actual.Pixels().size(); ++i) {
        for (int shift : {16, 8, 0}) {
            if (std::abs(Channel(actual.Pixels()[i], shift) -
                         Channel(expected.Pixels()[i], shift)) > tolerance) {
                ++differences;
                break;
            }
        }
    }
    return differences;
}
