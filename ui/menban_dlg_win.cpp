#include "ui/menban_dlg_win.h"

#include "app/string_resources.h"
#include "platform/win/gdi_handles.h"
#include "skin_ids.h"
#include "ui/gdiplus_win.h"
#include "ui/skin_paint_win.h"
#include "ui/toolkit_ids.h"

namespace {

constexpr BYTE kOpacity = 229;
constexpr int kFrameLift = 40;  // the animation sits this far above the centre line
constexpr int kTextWidth = 200;
constexpr int kTextHeight = 31;

const SkinTextStyle kTextStyle = {14.0f, Gdiplus::FontStyleRegular,
                                  Gdiplus::Color::MakeARGB(255, 255, 245, 211),
                                  Gdiplus::StringTrimmingEllipsisWord};

}  // namespace

CMenbanDlg::CMenbanDlg() : Dialog(IDD_OVERLAY) {}

BOOL CMenbanDlg::OnInitDialog() {
    m_pTexture = LoadPngImage(IDP_OVERLAY_TEXTURE);
    const WORD frameIds[] = {IDP_OVERLAY_FRAME1, IDP_OVERLAY_FRAME2, IDP_OVERLAY_FRAME3,
                             IDP_OVERLAY_FRAME4};
    for (std::size_t i = 0; i < m_pFrames.size(); ++i) {
        m_pFrames[i] = LoadPngImage(frameIds[i]);
    }
    m_pCurrentFrame = &m_pFrames[0];
    m_nFrame = 1;
    ::SetWindowLongW(Handle(), GWL_EXSTYLE,
                     ::GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(Handle(), 0, kOpacity, LWA_ALPHA);
    return TRUE;
}

void CMenbanDlg::ShowOver(HWND frame) {
    RECT place = {};
    ::GetWindowRect(frame, &place);
    ::SetWindowPos(Handle(), nullptr, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetTimer(Handle(), IDT_OVERLAY, IDT_OVERLAY_PERIOD_MS, nullptr);
    ::ShowWindow(Handle(), SW_SHOW);
}

void CMenbanDlg::HideOverlay() {
    ::KillTimer(Handle(), IDT_OVERLAY);
    ::ShowWindow(Handle(), SW_HIDE);
}

int CMenbanDlg::CurrentFrame() const {
    for (std::size_t i = 0; i < m_pFrames.size(); ++i) {
        if (m_pCurrentFrame == &m_pFrames[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

bool CMenbanDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND:
            result = TRUE;  // the paint covers everything
            return true;
        case WM_PAINT:
            Paint();
            result = 0;
            return true;
        case WM_TIMER:
            if (wParam != IDT_OVERLAY) {
                return false;
            }
            OnAnimationTimer();
            result = 0;
            return true;
        default:
            return false;
    }
}

RECT CMenbanDlg::FrameRect(const RECT& client) const {
    const int width = m_pCurrentFrame != nullptr ? m_pCurrentFrame->Width() : 0;
    const int height = m_pCurrentFrame != nullptr ? m_pCurrentFrame->Height() : 0;
    const int x = (client.right - width) / 2;
    const int y = (client.bottom - height) / 2 - kFrameLift;
    return {x, y, x + width, y + height};
}

void CMenbanDlg::Paint() {
    PaintDc paint(Handle());
    RECT client = {};
    ::GetClientRect(Handle(), &client);
    PaintOffscreen(paint.Get(), client, [this, &client](Gdiplus::Graphics& graphics) {
        graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
        if (m_pTexture) {
            FillTiled(graphics, *m_pTexture.Get(), client);
        }
        if (m_pCurrentFrame != nullptr && *m_pCurrentFrame) {
            const RECT frame = FrameRect(client);
            graphics.DrawImage(m_pCurrentFrame->Get(), static_cast<INT>(frame.left),
                               static_cast<INT>(frame.top), m_pCurrentFrame->Width(),
                               m_pCurrentFrame->Height());
        }
        const Gdiplus::RectF textRect(static_cast<Gdiplus::REAL>((client.right - kTextWidth) / 2),
                                      static_cast<Gdiplus::REAL>((client.bottom - kTextHeight) / 2),
                                      static_cast<Gdiplus::REAL>(kTextWidth),
                                      static_cast<Gdiplus::REAL>(kTextHeight));
        DrawSkinText(graphics, LoadStringResource(IDS_CACHE_CLEANING), kTextStyle, textRect);
    });
}

void CMenbanDlg::OnAnimationTimer() {
    if (m_nFrame < 1 || m_nFrame > static_cast<int32_t>(m_pFrames.size())) {
        m_nFrame = 1;
    }
    m_pCurrentFrame = &m_pFrames[static_cast<std::size_t>(m_nFrame - 1)];
    RECT client = {};
    ::GetClientRect(Handle(), &client);
    const RECT frame = FrameRect(client);
    ::InvalidateRect(Handle(), &frame, TRUE);
    ::UpdateWindow(Handle());
    ++m_nFrame;
}
