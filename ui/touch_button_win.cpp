#include "ui/touch_button_win.h"

#include <commctrl.h>

#include "platform/win/gdi_handles.h"
#include "ui/gdiplus_win.h"
#include "ui/my_mem_dc_win.h"

namespace {

constexpr UINT kToolId = 1;
constexpr int kToolTipDelayMs = 2000;
constexpr DWORD kHoverTimeMs = 1;

// The hover look: red, green and blue times 1.05 plus 0.05, alpha unchanged.
const Gdiplus::ColorMatrix kBrighten = {{
    {1.05f, 0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 1.05f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.0f, 1.05f, 0.0f, 0.0f},
    {0.0f, 0.0f, 0.0f, 1.0f, 0.0f},
    {0.05f, 0.05f, 0.05f, 0.0f, 1.0f},
}};

}  // namespace

CTouchButton::~CTouchButton() {
    // No more messages for a half-destroyed object.
    Detach();
}

bool CTouchButton::LoadImages(WORD normalId, WORD hoverId, WORD pressedId) {
    m_pHoverImage = std::make_unique<CGdiPlusBitmapResource>();
    m_pNormalImage = std::make_unique<CGdiPlusBitmapResource>();
    m_pPressedImage = std::make_unique<CGdiPlusBitmapResource>();
    const bool hoverLoaded = m_pHoverImage->Load(hoverId);
    m_pNormalImage->Load(normalId);
    m_pPressedImage->Load(pressedId);
    return hoverLoaded;
}

void CTouchButton::SetToolTipText(const std::wstring& text, bool activate) {
    if (text.empty()) {
        return;
    }
    if (!m_toolTip.Exists()) {
        if (!m_toolTip.Create(Handle())) {
            return;
        }
        m_toolTip.Activate(true);
    }
    m_strToolTip = text;
    if (m_toolTip.ToolCount() == 0) {
        RECT client = {};
        ::GetClientRect(Handle(), &client);
        m_toolTip.AddTool(kToolId, client, text);
    }
    m_toolTip.SetToolText(kToolId, text);
    m_toolTip.SetAutomaticDelay(kToolTipDelayMs);
    m_toolTip.Activate(activate);
}

void CTouchButton::PreSubclassWindow() {
    HWND button = Handle();
    ::SetWindowLongW(button, GWL_STYLE, ::GetWindowLongW(button, GWL_STYLE) | BS_OWNERDRAW);
    ::SetWindowPos(button, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CTouchButton::PreTranslateMessage(MSG& message) {
    // A quick second click is a click of its own, not a double click.
    if (message.hwnd == Handle() && message.message == WM_LBUTTONDBLCLK) {
        message.message = WM_LBUTTONDOWN;
    }
    if (m_toolTip.IsWindow()) {
        m_toolTip.Relay(message);
    }
    return SubclassedControl::PreTranslateMessage(message);
}

bool CTouchButton::ReflectColorQuery(HDC dc, HBRUSH& brush) {
    BuildLooks(dc);
    brush = nullptr;
    return true;
}

void CTouchButton::BuildLooks(HDC dc) {
    if (m_bLooksBuilt || !m_pHoverImage || !m_pNormalImage || !m_pPressedImage) {
        return;
    }
    RECT client = {};
    ::GetClientRect(Handle(), &client);
    const int width = client.right;
    const int height = client.bottom;
    CMyMemDC work(dc, client);
    if (!m_background) {
        CaptureBackground(width, height);
    }
    if (!m_normalLook) {
        ComposeLook(work.Get(), *m_pNormalImage, false, m_normalLook, width, height);
        if (!m_pressedLook) {
            ComposeLook(work.Get(), *m_pPressedImage, false, m_pressedLook, width, height);
        }
        if (!m_hoverLook) {
            ComposeLook(work.Get(), *m_pHoverImage, true, m_hoverLook, width, height);
        }
    }
    if (m_pCurrentLook == nullptr) {
        m_pCurrentLook = &m_normalLook;
    }
    m_bLooksBuilt = true;
}

void CTouchButton::CaptureBackground(int width, int height) {
    HWND parent = ::GetParent(Handle());
    WindowDc parentDc(parent);
    RECT place = {};
    ::GetWindowRect(Handle(), &place);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    if (m_background.Create(parentDc.Get(), width, height)) {
        ::BitBlt(m_background.Dc(), 0, 0, width, height, parentDc.Get(), place.left, place.top,
                 SRCCOPY);
    }
}

void CTouchButton::ComposeLook(HDC work, const CGdiPlusBitmapResource& picture, bool brighten,
                               OffscreenSurface& look, int width, int height) {
    if (m_background) {
        ::BitBlt(work, 0, 0, width, height, m_background.Dc(), 0, 0, SRCCOPY);
    }
    if (Gdiplus::Bitmap* bitmap = picture.Get()) {
        Gdiplus::Graphics graphics(work);
        Gdiplus::ImageAttributes attributes;
        attributes.SetColorMatrix(&kBrighten);
        const auto pictureWidth = static_cast<INT>(bitmap->GetWidth());
        const auto pictureHeight = static_cast<INT>(bitmap->GetHeight());
        graphics.DrawImage(bitmap, Gdiplus::Rect(0, 0, pictureWidth, pictureHeight), 0, 0,
                           pictureWidth, pictureHeight, Gdiplus::UnitPixel,
                           brighten ? &attributes : nullptr);
    }
    if (look.Create(work, width, height)) {
        ::BitBlt(look.Dc(), 0, 0, width, height, work, 0, 0, SRCCOPY);
    }
}

bool CTouchButton::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemState & ODS_SELECTED) {
        m_pCurrentLook = &m_pressedLook;
    } else if (m_bHover) {
        m_pCurrentLook = &m_hoverLook;
    } else {
        m_pCurrentLook = &m_normalLook;
    }
    if (*m_pCurrentLook) {
        ::BitBlt(item.hDC, 0, 0, item.rcItem.right - item.rcItem.left,
                 item.rcItem.bottom - item.rcItem.top, m_pCurrentLook->Dc(), 0, 0, SRCCOPY);
    }
    return true;
}

bool CTouchButton::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND:
            result = TRUE;  // the look covers the whole button
            return true;
        case WM_MOUSEMOVE:
            OnMouseMove();
            return false;  // the button's own processing runs too
        case WM_MOUSEHOVER:
            OnMouseHover();
            result = 0;
            return true;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            result = 0;
            return true;
        case WM_SETCURSOR:
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            result = TRUE;
            return true;
        default:
            return false;
    }
}

void CTouchButton::OnMouseMove() {
    if (m_bTracking) {
        return;
    }
    TRACKMOUSEEVENT request = {};
    request.cbSize = sizeof request;
    request.dwFlags = TME_HOVER | TME_LEAVE;
    request.hwndTrack = Handle();
    request.dwHoverTime = kHoverTimeMs;
    m_bTracking = ::_TrackMouseEvent(&request) != FALSE;
}

void CTouchButton::OnMouseHover() {
    m_bHover = true;
    ::InvalidateRect(Handle(), nullptr, TRUE);
    m_toolTip.Destroy();
    SetToolTipText(m_strToolTip, true);
    if (m_toolTip.IsWindow()) {
        m_toolTip.Update();
    }
}

void CTouchButton::OnMouseLeave() {
    m_bTracking = false;
    m_bHover = false;
    ::InvalidateRect(Handle(), nullptr, TRUE);
}
