// Screenshots of what the screen shows (BitBlt from the screen), pixel access, and saving them as
// PNG test artifacts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    int red;
    int green;
    int blue;
};

// Pixels as 0xAARRGGBB, rows top-down. Screen pixels have alpha 255; decoded pictures keep theirs.
class Picture {
public:
    Picture() = default;
    Picture(int width, int height, std::vector<uint32_t> pixels)
        : m_width(width), m_height(height), m_pixels(std::move(pixels)) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_pixels.empty(); }
    uint32_t At(int x, int y) const { return m_pixels[static_cast<size_t>(y * m_width + x)]; }
    Rgb RgbAt(int x, int y) const;
    const std::vector<uint32_t>& Pixels() const { return m_pixels; }
    // The part at (x, y), `width` x `height`, clipped to the picture.
    Picture Crop(int x, int y, int width, int height) const;
    bool operator==(const Picture& other) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
};

// What the screen shows in `rect` (screen coordinates), alpha 255.
Picture CaptureScreen(const RECT& rect);
// What the screen shows of `window` (its whole window rectangle).
Picture CaptureWindow(HWND window);

// Writes `picture` as a PNG file (GDI+ encoder; GDI+ must be running). False on failure.
bool SavePng(const Picture& picture, const std::wstring& path);
// <working folder>\artifacts\<name>, creating the folder; the tests run in their build folder.
std::wstring ArtifactPath(const std::wstring& name);
