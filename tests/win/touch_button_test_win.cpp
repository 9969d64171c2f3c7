// The skinned button on its own, in a small test window driven on the test's thread: double
// clicks, hover tracking, the tooltip, the hand cursor and its looks after a click.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>

#include "platform/win/dialog.h"
#include "platform/win/subclassed_control.h"
#include "skin_ids.h"
#include "tests/win/driver/gdiplus_session.h"
#include "tests/win/driver/input.h"
#include "tests/win/driver/screenshot.h"
#include "tests/win/driver/skin_pixels.h"
#include "tests/win/driver/wait.h"
#include "tests/win/driver/windows.h"
#include "tests/win/test_resource_ids.h"
#include "ui/touch_button_win.h"

namespace {

constexpr int kButtonWidth = 82;
constexpr int kButtonHeight = 34;
constexpr POINT kMouseParking = {5, 5};
constexpr int kTolerance = 4;

// An owner-drawn button without the skinned button's handling: what a double click does to a
// button that does not turn it into a click.
class OwnerDrawnButton : public SubclassedControl {
public:
    bool DrawItem(const DRAWITEMSTRUCT& item) override {
        ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_HIGHLIGHT));
        return true;
    }

protected:
    void PreSubclassWindow() override {
        ::SetWindowLongW(Handle(), GWL_STYLE, ::GetWindowLongW(Handle(), GWL_STYLE) | BS_OWNERDRAW);
    }
};

struct Notifications {
    int clicks = 0;
    int doubleClicks = 0;
};

class ButtonWindow : public Dialog {
public:
    ButtonWindow() : Dialog(IDD_TEST_BUTTONS) {}

    CTouchButton m_touch;   // with a tooltip
    CTouchButton m_silent;  // without one
    OwnerDrawnButton m_plain;
    std::map<int, Notifications> m_notes;

protected:
    BOOL OnInitDialog() override {
        m_touch.AttachItem(Handle(), IDC_TEST_TOUCH);
        m_silent.AttachItem(Handle(), IDC_TEST_TOUCH_SILENT);
        m_plain.AttachItem(Handle(), IDC_TEST_OWNERDRAWN);
        int x = 10;
        for (int id : {IDC_TEST_TOUCH, IDC_TEST_TOUCH_SILENT, IDC_TEST_OWNERDRAWN}) {
            ::SetWindowPos(Item(id), nullptr, x, 20, kButtonWidth, kButtonHeight,
                           SWP_NOZORDER | SWP_NOACTIVATE);
            x += kButtonWidth + 10;
        }
        m_touch.LoadImages(IDP_MSGBOX_OK_NORMAL, IDP_MSGBOX_OK_ACTIVE, IDP_MSGBOX_OK_ACTIVE);
        m_touch.SetToolTipText(L"刷新游戏页面");
        m_silent.LoadImages(IDP_MSGBOX_CANCEL_NORMAL, IDP_MSGBOX_CANCEL_ACTIVE,
                            IDP_MSGBOX_CANCEL_ACTIVE);
        return TRUE;
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        if (message != WM_COMMAND) {
            return false;
        }
        Notifications& notes = m_notes[LOWORD(wParam)];
        if (HIWORD(wParam) == BN_CLICKED) {
            ++notes.clicks;
        } else if (HIWORD(wParam) == BN_DOUBLECLICKED) {
            ++notes.doubleClicks;
        }
        result = 0;
        return true;
    }
};

POINT CentreOf(HWND control) {
    return ClientCentreOnScreen(control);
}

class TouchButtonTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_gdiplus.Started());
        MoveMouseTo(kMouseParking);
        ASSERT_TRUE(m_window.Create(nullptr));
        ::ShowWindow(m_window.Handle(), SW_SHOW);
        ASSERT_TRUE(
            PumpUntil([this] { return m_touch().LooksBuilt() && m_silent().LooksBuilt(); }));
    }

    CTouchButton& m_touch() { return m_window.m_touch; }
    CTouchButton& m_silent() { return m_window.m_silent; }

    // Pumps until the button shows `expected` on the screen.
    bool ShowsLook(HWND button, const Picture& expected) {
        return PumpUntil(
            [&] { return CountDifferences(CaptureWindow(button), expected, kTolerance) == 0; });
    }

    Picture LookOnDialog(const Picture& picture) {
        const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        const uint32_t pixel =
            0xFF000000u | (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
        const Picture plain(kButtonWidth, kButtonHeight,
                            std::vector<uint32_t>(kButtonWidth * kButtonHeight, pixel));
        return DrawOver(plain, picture);
    }

    GdiplusSession m_gdiplus;
    ButtonWindow m_window;
};

struct DoubleClickCase {
    int id;
    Notifications expected;
};

TEST_F(TouchButtonTest, ADoubleClickIsTwoClicks) {
    // The owner-drawn button without our handling shows that the system did see a double click.
    const DoubleClickCase cases[] = {
        {IDC_TEST_TOUCH, {2, 0}},
        {IDC_TEST_OWNERDRAWN, {1, 1}},
    };
    for (const DoubleClickCase& c : cases) {
        SCOPED_TRACE(c.id);
        DoubleClickAt(CentreOf(m_window.Item(c.id)));
        const Notifications& notes = m_window.m_notes[c.id];
        PumpUntil([&] { return notes.clicks + notes.doubleClicks >= 2; });
        PumpFor(std::chrono::milliseconds(100));  // nothing more may follow
        EXPECT_EQ(notes.clicks, c.expected.clicks);
        EXPECT_EQ(notes.doubleClicks, c.expected.doubleClicks);
        MoveMouseTo(kMouseParking);
        PumpFor(std::chrono::milliseconds(600));  // the next click must not pair with these
    }
}

TEST_F(TouchButtonTest, HoverShowsTheTooltipAndTheHandCursorOnlyWhereThereIsAText) {
    EXPECT_NE(m_touch().ToolTipWindow(), nullptr);
    EXPECT_EQ(m_silent().ToolTipWindow(), nullptr);

    MoveMouseTo(CentreOf(m_silent().Handle()));
    ASSERT_TRUE(PumpUntil([this] { return m_silent().IsHovering(); }));
    EXPECT_EQ(m_silent().ToolTipWindow(), nullptr) << "no text, no tooltip control";
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));

    MoveMouseTo(CentreOf(m_touch().Handle()));
    ASSERT_TRUE(PumpUntil([this] { return m_touch().IsHovering() && !m_silent().IsHovering(); }));
    HWND tip = m_touch().ToolTipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(::IsWindow(tip));
    EXPECT_EQ(WindowClassName(tip), L"tooltips_class32");
    wchar_t text[64] = {};
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = m_touch().Handle();
    info.uId = 1;
    info.lpszText = text;
    ::SendMessageW(tip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"刷新游戏页面");
    // The button relays the mouse to its tooltip, which shows after resting for its delay.
    const POINT centre = CentreOf(m_touch().Handle());
    MoveMouseTo({centre.x + 2, centre.y + 1});
    EXPECT_TRUE(PumpUntil([tip] { return ::IsWindowVisible(tip) != FALSE; }));

    MoveMouseTo(kMouseParking);
    EXPECT_TRUE(PumpUntil([this] { return !m_touch().IsHovering(); }));
}

TEST_F(TouchButtonTest, LooksFollowTheMouseThroughAClick) {
    const Picture normal = LookOnDialog(DecodePngResource(IDP_MSGBOX_OK_NORMAL));
    const Picture hover = LookOnDialog(Brighten(DecodePngResource(IDP_MSGBOX_OK_ACTIVE)));
    const Picture pressed = LookOnDialog(DecodePngResource(IDP_MSGBOX_OK_ACTIVE));
    HWND button = m_touch().Handle();
    EXPECT_TRUE(ShowsLook(button, normal));

    MoveMouseTo(CentreOf(button));
    EXPECT_TRUE(ShowsLook(button, hover));
    PressLeftButton();
    EXPECT_TRUE(ShowsLook(button, pressed)) << "pressed wins over hover";
    ReleaseLeftButton();
    EXPECT_TRUE(ShowsLook(button, hover)) << "released over the button: hover again";
    EXPECT_EQ(m_window.m_notes[IDC_TEST_TOUCH].clicks, 1);

    MoveMouseTo(kMouseParking);
    EXPECT_TRUE(ShowsLook(button, normal));
    MoveMouseTo(CentreOf(button));
    EXPECT_TRUE(ShowsLook(button, hover)) << "hover comes back on the first move";
}

}  // namespace
