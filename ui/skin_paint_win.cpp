#include "ui/skin_paint_win.h"

#include <memory>

#include "platform/win/gdi_handles.h"
#include "ui/offscreen_surface_win.h"

namespace {

// The platform's generic sans-serif family, by name: the wrapper's own GenericSansSerif() keeps a
// process-wide copy that would outlive a GDI+ shutdown and restart.
std::wstring GenericSansSerifName() {
    Gdiplus::GpFontFamily* generic = nullptr;
    if (Gdiplus::DllExports::GdipGetGenericFontFamilySansSerif(&generic) != Gdiplus::Ok ||
        generic == nullptr) {
        return L"";
    }
    WCHAR name[LF_FACESIZE] = {};
    Gdiplus::DllExports::GdipGetFamilyName(generic, name, LANG_NEUTRAL);
    Gdiplus::DllExports::GdipDeleteFontFamily(generic);
    return name;
}

std::unique_ptr<Gdiplus::FontFamily> SkinFontFamily() {
    auto arial = std::make_unique<Gdiplus::FontFamily>(L"arial");
    if (arial->IsAvailable()) {
        return arial;
    }
    return std::make_unique<Gdiplus::FontFamily>(GenericSansSerifName().c_str());
}

}  // namespace

void PaintOffscreen(HDC target, const RECT& client,
                    const std::function<void(Gdiplus::Graphics&)>& draw) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    OffscreenSurface surface;
    if (!surface.Create(target, width, height)) {
        Gdiplus::Graphics direct(target);
        draw(direct);
        return;
    }
    {
        Gdiplus::Graphics graphics(surface.Dc());
        draw(graphics);
    }  // the drawing surface goes first, so that everything it drew is in the bitmap
    ::BitBlt(target, 0, 0, width, height, surface.Dc(), 0, 0, SRCCOPY);
}

void DrawSkinText(Gdiplus::Graphics& graphics, const std::wstring& text, const SkinTextStyle& style,
                  const Gdiplus::RectF& layout) {
    const std::unique_ptr<Gdiplus::FontFamily> family = SkinFontFamily();
    Gdiplus::Font font(family.get(), style.pixels, style.fontStyle, Gdiplus::UnitPixel);
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetTrimming(style.trimming);
    Gdiplus::SolidBrush brush{Gdiplus::Color(style.colour)};
    graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &font, layout, &format,
                        &brush);
}

void FillTiled(Gdiplus::Graphics& graphics, Gdiplus::Image& tile, const RECT& rect) {
    Gdiplus::TextureBrush brush(&tile, Gdiplus::WrapModeTile);
    brush.TranslateTransform(static_cast<Gdiplus::REAL>(rect.left),
                             static_cast<Gdiplus::REAL>(rect.top));
    graphics.FillRectangle(&brush, static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                           static_cast<INT>(rect.right - rect.left),
                           static_cast<INT>(rect.bottom - rect.top));
}
