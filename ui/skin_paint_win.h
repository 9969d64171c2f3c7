// How the skinned windows paint: composed off screen with GDI+ and copied in one BitBlt, text in
// "arial" (or the generic sans-serif family), fills tiled from a picture.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/gdiplus_win.h"

// Draws the window's whole client area (`client`, origin 0, 0) with `draw` on an off-screen
// bitmap compatible with `target`, then copies it to `target` at (0, 0). Where no off-screen
// bitmap can be made, `draw` paints on `target` directly.
void PaintOffscreen(HDC target, const RECT& client,
                    const std::function<void(Gdiplus::Graphics&)>& draw);

// The family texts are drawn in: `preferred` when it is installed, else the generic sans-serif
// family, else the face GDI's font mapper picks for `preferred`.
std::wstring SkinFontFamilyName(const std::wstring& preferred);

struct SkinTextStyle {
    float pixels;   // font size in pixels
    INT fontStyle;  // Gdiplus::FontStyleRegular or FontStyleBold
    Gdiplus::ARGB colour;
    Gdiplus::StringTrimming trimming;
};

// Draws `text` in "arial" (see SkinFontFamilyName), centred horizontally from the top of `layout`,
// wrapped inside it and cut with the style's trimming where it does not fit.
void DrawSkinText(Gdiplus::Graphics& graphics, const std::wstring& text, const SkinTextStyle& style,
                  const Gdiplus::RectF& layout);

// Fills `rect` with `tile` repeated from the rectangle's top-left corner.
void FillTiled(Gdiplus::Graphics& graphics, Gdiplus::Image& tile, const RECT& rect);
