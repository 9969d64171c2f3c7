#include "ui/custom_message_box_win.h"

#include "skin_ids.h"
#include "ui/gdiplus_win.h"
#include "ui/skin_paint_win.h"
#include "ui/toolkit_ids.h"

namespace {

constexpr int kWidth = 253;
constexpr int kHeight = 106;

struct ButtonPlace {
    int x;
    int y;
    int width;
    int height;
};

const SkinTextStyle kTitleStyle = {13.0f, Gdiplus::FontStyleBold,
                                   Gdiplus::Color::MakeARGB(255, 255, 255, 255),
                                   Gdiplus::StringTrimmingEllipsisCharacter};
const SkinTextStyle kMessageStyle = {11.0f, Gdiplus::FontStyleRegular,
                                     Gdiplus::Color::MakeARGB(255, 255, 236, 247),
                                     Gdiplus::StringTrimmingEllipsisCharacter};
const Gdiplus::RectF kTitleRect(85.0f, 7.0f, 100.0f, 25.0f);
const Gdiplus::RectF kMessageRect(28.0f, 33.0f, 220.0f, 30.0f);

// Shown only if the background picture cannot be loaded: dark enough for the light texts.
constexpr Gdiplus::ARGB kMissingBackground = 0xFF1B2233;

void MoveButton(const CTouchButton& button, const ButtonPlace& place) {
    ::SetWindowPos(button.Handle(), nullptr, place.x, place.y, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CCustomMessageBox::CCustomMessageBox() : Dialog(IDD_CUSTOM_MESSAGE_BOX), m_strTitle(L"温馨提示") {}

void CCustomMessageBox::SetText(const std::wstring& title, const std::wstring& message) {
    m_strTitle = title;
    m_strMessage = message;
}

INT_PTR CCustomMessageBox::DoModal(HWND owner) {
    return Dialog::DoModal(owner) == IDOK ? IDOK : IDCANCEL;
}

BOOL CCustomMessageBox::OnInitDialog() {
    AttachButtons();
    ::SetWindowPos(Handle(), nullptr, 0, 0, kWidth, kHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // No title bar, yet a top-level window with a taskbar menu.
    const LONG style = ::GetWindowLongW(Handle(), GWL_STYLE);
    ::SetWindowLongW(Handle(), GWL_STYLE, (style | WS_SYSMENU | WS_MINIMIZEBOX) & ~WS_CAPTION);
    PlaceButtons();
    m_pBackground = LoadPngImage(IDP_MSGBOX_BACKGROUND);
    return TRUE;
}

void CCustomMessageBox::AttachButtons() {
    m_btnOK.AttachItem(Handle(), IDOK);
    m_btnCancel.AttachItem(Handle(), IDCANCEL);
    m_btnClose.AttachItem(Handle(), IDC_MSGBOX_CLOSE);
}

void CCustomMessageBox::PlaceButtons() {
    RECT client = {};
    ::GetClientRect(Handle(), &client);
    const int width = client.right;
    const int height = client.bottom;
    MoveButton(m_btnClose, {width - 25, 10, 28, 26});
    m_btnClose.LoadImages(IDP_MSGBOX_CLOSE, IDP_MSGBOX_CLOSE, IDP_MSGBOX_CLOSE);
    MoveButton(m_btnOK, {45, height - 45, 82, 34});
    m_btnOK.LoadImages(IDP_MSGBOX_OK_NORMAL, IDP_MSGBOX_OK_ACTIVE, IDP_MSGBOX_OK_ACTIVE);
    MoveButton(m_btnCancel, {137, height - 45, 82, 34});
    m_btnCancel.LoadImages(IDP_MSGBOX_CANCEL_NORMAL, IDP_MSGBOX_CANCEL_ACTIVE,
                           IDP_MSGBOX_CANCEL_ACTIVE);
}

bool CCustomMessageBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND:
            Paint(reinterpret_cast<HDC>(wParam));
            result = TRUE;
            return true;
        case WM_NCHITTEST:
            result = HitTest(wParam, lParam);
            return true;
        case WM_COMMAND:
            if (LOWORD(wParam) != IDC_MSGBOX_CLOSE || HIWORD(wParam) != BN_CLICKED) {
                return false;
            }
            OnCancel();
            result = 0;
            return true;
        default:
            return false;
    }
}

LRESULT CCustomMessageBox::HitTest(WPARAM wParam, LPARAM lParam) {
    // The whole body works as a caption: press anywhere but on a button to drag the box.
    const LRESULT hit = ::DefWindowProcW(Handle(), WM_NCHITTEST, wParam, lParam);
    return hit == HTCLIENT ? HTCAPTION : hit;
}

void CCustomMessageBox::Paint(HDC dc) {
    RECT client = {};
    ::GetClientRect(Handle(), &client);
    PaintOffscreen(dc, client, [this, &client](Gdiplus::Graphics& graphics) {
        if (m_pBackground) {
            graphics.DrawImage(m_pBackground.Get(), 0, 0, m_pBackground.Width(),
                               m_pBackground.Height());
        } else {
            Gdiplus::SolidBrush fill{Gdiplus::Color(kMissingBackground)};
            graphics.FillRectangle(&fill, 0, 0, static_cast<INT>(client.right),
                                   static_cast<INT>(client.bottom));
        }
        DrawSkinText(graphics, m_strTitle, kTitleStyle, kTitleRect);
        DrawSkinText(graphics, m_strMessage, kMessageStyle, kMessageRect);
    });
}
