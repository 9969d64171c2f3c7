// The drawing helpers on real GDI and GDI+ (under Wine): loading PNG resources, the off-screen
// device context, text, tiled fill and off-screen painting.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win/gdi_handles.h"
#include "skin_ids.h"
#include "tests/win/driver/gdiplus_session.h"
#include "tests/win/driver/skin_pixels.h"
#include "tests/win/test_resource_ids.h"
#include "ui/gdiplus_bitmap_win.h"
#include "ui/my_mem_dc_win.h"
#include "ui/png_image_win.h"
#include "ui/skin_paint_win.h"

namespace {

constexpr COLORREF kRed = RGB(200, 20, 30);
constexpr COLORREF kBlue = RGB(10, 40, 220);
constexpr COLORREF kGreen = RGB(20, 180, 60);

// A 32-bit top-down DIB selected into a memory context: a drawing target whose pixels the test
// can read.
class PixelCanvas {
public:
    PixelCanvas(int width, int height) : m_width(width), m_height(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc.Reset(::CreateCompatibleDC(nullptr));
        m_bitmap.Reset(::CreateDIBSection(m_dc.Get(), &info, DIB_RGB_COLORS,
                                          reinterpret_cast<void**>(&m_bits), nullptr, 0));
        m_previous = ::SelectObject(m_dc.Get(), m_bitmap.Get());
    }
    ~PixelCanvas() { ::SelectObject(m_dc.Get(), m_previous); }

    HDC Dc() const { return m_dc.Get(); }
    COLORREF At(int x, int y) const {
        ::GdiFlush();
        const uint32_t pixel = m_bits[y * m_width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    void Fill(const RECT& rect, COLORREF colour) const {
        UniqueGdiObject brush(::CreateSolidBrush(colour));
        ::FillRect(m_dc.Get(), &rect, static_cast<HBRUSH>(brush.Get()));
    }
    // Pixels inside `rect` that are `colour`, and pixels outside it that are.
    std::pair<int, int> CountColour(const RECT& rect, COLORREF colour) const {
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                if (At(x, y) != colour) {
                    continue;
                }
                const POINT point = {x, y};
                (::PtInRect(&rect, point) ? inside : outside) += 1;
            }
        }
        return {inside, outside};
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width;
    int m_height;
    UniqueMemoryDc m_dc;
    UniqueGdiObject m_bitmap;
    HGDIOBJ m_previous = nullptr;
    uint32_t* m_bits = nullptr;
};

int Area(const RECT& rect) {
    return (rect.right - rect.left) * (rect.bottom - rect.top);
}

class DrawingTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_gdiplus.Started()); }

    GdiplusSession m_gdiplus;
};

struct PictureCase {
    WORD id;
    int width;
    int height;
};

TEST_F(DrawingTest, PngResourcesLoadAtTheirOwnSizeBothWays) {
    const PictureCase cases[] = {
        {IDP_MSGBOX_BACKGROUND, 256, 110},  {IDP_MSGBOX_OK_NORMAL, 82, 34},
        {IDP_MSGBOX_OK_ACTIVE, 82, 34},     {IDP_MSGBOX_CANCEL_NORMAL, 82, 34},
        {IDP_MSGBOX_CANCEL_ACTIVE, 82, 34}, {IDP_MSGBOX_CLOSE, 11, 10},
        {IDP_OVERLAY_TEXTURE, 1, 1},        {IDP_OVERLAY_FRAME1, 23, 23},
        {IDP_OVERLAY_FRAME4, 23, 23},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.id);
        const PngImage image = LoadPngImage(c.id);
        ASSERT_TRUE(image);
        EXPECT_EQ(image.Width(), c.width);
        EXPECT_EQ(image.Height(), c.height);
        CGdiPlusBitmapResource bitmap;
        ASSERT_TRUE(bitmap.Load(c.id));
        EXPECT_EQ(static_cast<int>(bitmap.Get()->GetWidth()), c.width);
        EXPECT_EQ(static_cast<int>(bitmap.Get()->GetHeight()), c.height);
    }
}

TEST_F(DrawingTest, IdsThatAreNoPngPictureGiveNothing) {
    // Missing, a bitmap resource, an icon, and a "PNG" resource whose bytes are text.
    const WORD ids[] = {9999, IDP_LOGIN_POPUP_BACKGROUND, IDP_APP_ICON, IDP_TEST_NOT_A_PNG, 0};
    for (WORD id : ids) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(LoadPngImage(id));
        CGdiPlusBitmapResource bitmap;
        EXPECT_FALSE(bitmap.Load(id));
        EXPECT_FALSE(bitmap);
    }
}

TEST_F(DrawingTest, LoadReplacesWhatTheBitmapHeldAndAFailedLoadLeavesItEmpty) {
    CGdiPlusBitmapResource bitmap;
    ASSERT_TRUE(bitmap.Load(IDP_MSGBOX_BACKGROUND));
    ASSERT_TRUE(bitmap.Load(IDP_MSGBOX_CLOSE));
    EXPECT_EQ(bitmap.Get()->GetWidth(), 11u);
    EXPECT_FALSE(bitmap.Load(IDP_TEST_NOT_A_PNG));
    EXPECT_EQ(bitmap.Get(), nullptr);
    // Still usable afterwards.
    ASSERT_TRUE(bitmap.Load(IDP_OVERLAY_FRAME2));
    EXPECT_EQ(bitmap.Get()->GetHeight(), 23u);
}

TEST_F(DrawingTest, DecodedPixelsAreThePicturesOwn) {
    // The overlay sheet: one black pixel at alpha 230.
    const Picture texture = DecodePngResource(IDP_OVERLAY_TEXTURE);
    ASSERT_EQ(texture.Width(), 1);
    EXPECT_EQ(texture.At(0, 0), 0xE6000000u);
}

TEST_F(DrawingTest, MemDcWithAZeroRectangleDrawsOffscreenOverTheClipBox) {
    PixelCanvas target(40, 30);
    target.Fill({0, 0, 40, 30}, kRed);
    const RECT clip = {5, 6, 25, 20};
    UniqueGdiObject region(::CreateRectRgnIndirect(&clip));
    ::SelectClipRgn(target.Dc(), static_cast<HRGN>(region.Get()));
    {
        CMyMemDC memDc(target.Dc(), RECT{});
        ASSERT_TRUE(memDc.IsOffscreen());
        EXPECT_TRUE(::EqualRect(&memDc.Rect(), &clip));
        UniqueGdiObject brush(::CreateSolidBrush(kBlue));
        ::FillRect(memDc.Get(), &clip, static_cast<HBRUSH>(brush.Get()));
        EXPECT_EQ(target.At(10, 10), kRed) << "nothing reaches the target before the copy";
    }
    EXPECT_EQ(target.CountColour(clip, kBlue), std::make_pair(Area(clip), 0));
}

TEST_F(DrawingTest, MemDcWithAnOffsetRectangleUsesTheTargetsCoordinates) {
    PixelCanvas target(40, 30);
    target.Fill({0, 0, 40, 30}, kRed);
    const RECT rect = {10, 8, 30, 20};
    const RECT inner = {12, 10, 14, 12};
    {
        CMyMemDC memDc(target.Dc(), rect);
        ASSERT_TRUE(memDc.IsOffscreen());
        UniqueGdiObject blue(::CreateSolidBrush(kBlue));
        UniqueGdiObject green(::CreateSolidBrush(kGreen));
        ::FillRect(memDc.Get(), &rect, static_cast<HBRUSH>(blue.Get()));
        ::FillRect(memDc.Get(), &inner, static_cast<HBRUSH>(green.Get()));
    }
    EXPECT_EQ(target.CountColour(inner, kGreen), std::make_pair(Area(inner), 0));
    EXPECT_EQ(target.CountColour(rect, kBlue), std::make_pair(Area(rect) - Area(inner), 0));
    EXPECT_EQ(target.At(9, 8), kRed);
    EXPECT_EQ(target.At(30, 19), kRed);
}

TEST_F(DrawingTest, TiledFillStartsThePatternAtTheRectanglesCorner) {
    // A 2 x 2 tile: red, green / blue, white.
    Gdiplus::Bitmap tile(2, 2, PixelFormat32bppARGB);
    tile.SetPixel(0, 0, Gdiplus::Color(255, 200, 20, 30));
    tile.SetPixel(1, 0, Gdiplus::Color(255, 20, 180, 60));
    tile.SetPixel(0, 1, Gdiplus::Color(255, 10, 40, 220));
    tile.SetPixel(1, 1, Gdiplus::Color(255, 255, 255, 255));
    PixelCanvas target(20, 20);
    const RECT rect = {3, 5, 15, 13};
    {
        Gdiplus::Graphics graphics(target.Dc());
        FillTiled(graphics, tile, rect);
    }
    struct Expected {
        int x;
        int y;
        COLORREF colour;
    };
    const Expected expected[] = {
        {3, 5, kRed},
        {4, 5, kGreen},
        {3, 6, kBlue},
        {4, 6, RGB(255, 255, 255)},
        {5, 5, kRed},
        {3, 7, kRed},
        {14, 12, RGB(255, 255, 255)},
        {2, 5, RGB(0, 0, 0)},
        {15, 12, RGB(0, 0, 0)},
    };
    for (const Expected& e : expected) {
        EXPECT_EQ(target.At(e.x, e.y), e.colour) << e.x << "," << e.y;
    }
}

TEST_F(DrawingTest, TextStaysInsideItsRectangleEvenWhenTooLong) {
    const Gdiplus::RectF layout(20.0f, 10.0f, 100.0f, 25.0f);
    const RECT inside = {20, 10, 120, 35};
    const SkinTextStyle style = {13.0f, Gdiplus::FontStyleBold, 0xFFFFFFFF,
                                 Gdiplus::StringTrimmingEllipsisCharacter};
    const std::wstring texts[] = {
        L"温馨提示",
        L"A title far wider than the hundred pixels of its rectangle, which wraps and is cut "
        L"with an ellipsis where the rectangle ends, then goes on and on",
    };
    for (const std::wstring& text : texts) {
        PixelCanvas target(160, 60);
        {
            Gdiplus::Graphics graphics(target.Dc());
            DrawSkinText(graphics, text, style, layout);
        }
        int drawnInside = 0;
        int drawnOutside = 0;
        for (int y = 0; y < target.Height(); ++y) {
            for (int x = 0; x < target.Width(); ++x) {
                if (target.At(x, y) == RGB(0, 0, 0)) {
                    continue;
                }
                (::PtInRect(&inside, POINT{x, y}) ? drawnInside : drawnOutside) += 1;
            }
        }
        EXPECT_GT(drawnInside, 20);
        EXPECT_EQ(drawnOutside, 0);
    }
}

TEST_F(DrawingTest, TextFallsBackToAnInstalledFamily) {
    EXPECT_EQ(SkinFontFamilyName(L"arial"), L"arial");
    const std::wstring fallback = SkinFontFamilyName(L"No Such Family 7f3c");
    EXPECT_NE(fallback, L"No Such Family 7f3c");
    EXPECT_TRUE(Gdiplus::FontFamily(fallback.c_str()).IsAvailable()) << fallback.size();
}

TEST_F(DrawingTest, OffscreenPaintCopiesTheWholeClientAreaAtOnce) {
    PixelCanvas target(30, 20);
    target.Fill({0, 0, 30, 20}, kRed);
    const RECT client = {0, 0, 24, 16};
    bool targetUntouchedWhileDrawing = false;
    PaintOffscreen(target.Dc(), client, [&](Gdiplus::Graphics& graphics) {
        Gdiplus::SolidBrush blue(Gdiplus::Color(255, 10, 40, 220));
        graphics.FillRectangle(&blue, 0, 0, 24, 16);
        graphics.Flush(Gdiplus::FlushIntentionSync);
        targetUntouchedWhileDrawing = target.At(5, 5) == kRed;
    });
    EXPECT_TRUE(targetUntouchedWhileDrawing);
    EXPECT_EQ(target.CountColour(client, kBlue), std::make_pair(Area(client), 0));
}

}  // namespace
