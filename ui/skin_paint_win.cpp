#include "ui/skin_paint_win.h"

#include "platform/win/gdi_handles.h"
#include "ui/offscreen_surface_win.h"

namespace {

constexpr wchar_t kSkinFont[] = L"arial";

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

// The face that GDI's font mapper gives for `name` when no family of that name exists.
std::wstring MappedFaceName(const std::wstring& name) {
    LOGFONTW request = {};
    request.lfCharSet = DEFAULT_CHARSET;
    name.copy(request.lfFaceName, LF_FACESIZE - 1);
    UniqueGdiObject font(::CreateFontIndirectW(&request));
    WindowDc screen(nullptr);
    SelectedObject selected(screen.Get(), font.Get());
    WCHAR face[LF_FACESIZE] = {};
    ::GetTextFaceW(screen.Get(), LF_FACESIZE, face);
    return face;
}

bool IsFamilyAvailable(const std::wstring& name) {
    return !name.empty() && Gdiplus::FontFamily(name.c_str()).IsAvailable();
}

}  // namespace

std::wstring SkinFontFamilyName(const std::wstring& preferred) {
    if (IsFamilyAvailable(preferred)) {
        return preferred;
    }
    const std::wstring generic = GenericSansSerifName();
    if (IsFamilyAvailable(generic)) {
        return generic;
    }
    // Without even the generic family (a bare Wine prefix), text in the mapper's nearest face is
    // better than no text at all.
    return MappedFaceName(preferred);
}

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
    const Gdiplus::FontFamily family(SkinFontFamilyName(kSkinFont).c_str());
    Gdiplus::Font font(&family, style.pixels, style.fontStyle, Gdiplus::UnitPixel);
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetTrimming(style.trimming);
    Gdiplus::SolidBrush brush{Gdiplus::Color(style.colour)};
    // Not every GDI+ keeps a partly fitting last line inside the rectangle; the clip does.
    const Gdiplus::GraphicsState state = graphics.Save();
    graphics.IntersectClip(layout);
    graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &font, layout, &format,
                        &brush);
    graphics.Restore(state);
}

void FillTiled(Gdiplus::Graphics& graphics, Gdiplus::Image& tile, const RECT& rect) {
    Gdiplus::TextureBrush brush(&tile, Gdiplus::WrapModeTile);
    brush.TranslateTransform(static_cast<Gdiplus::REAL>(rect.left),
                             static_cast<Gdiplus::REAL>(rect.top));
    graphics.FillRectangle(&brush, static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                           static_cast<INT>(rect.right - rect.left),
                           static_cast<INT>(rect.bottom - rect.top));
}
