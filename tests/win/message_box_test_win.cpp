// The question box under Wine, driven with real input from a driver thread while its modal loop
// runs on the test's main thread: answers, dragging, and the looks of its skinned buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <iterator>
#include <thread>

#include "skin_ids.h"
#include "tests/win/driver/gdiplus_session.h"
#include "tests/win/driver/input.h"
#include "tests/win/driver/screenshot.h"
#include "tests/win/driver/skin_pixels.h"
#include "tests/win/driver/wait.h"
#include "tests/win/driver/windows.h"
#include "ui/custom_message_box_win.h"

namespace {

// How far a drag may end from its exact target (see the drag test).
constexpr int kDragSlack = 8;

constexpr int kBoxWidth = 253;
constexpr int kBoxHeight = 106;
// Where the box places its buttons (client coordinates) and how big they are.
constexpr RECT kOkButton = {45, 61, 45 + 82, 61 + 34};
constexpr RECT kCancelButton = {137, 61, 137 + 82, 61 + 34};
constexpr RECT kCloseButton = {228, 10, 228 + 25, 10 + 26};  // the window cuts its last 3 pixels
constexpr POINT kTitleArea = {130, 18};
// Screen pixels may differ from the computed look by GDI+ rounding, not by a look's change
// (the hover brightening moves every channel by at least 12).
constexpr int kTolerance = 4;

POINT Centre(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// What the box should show over `button`: its background picture with `picture` drawn on it.
Picture ExpectedLook(const RECT& button, const Picture& picture) {
    const Picture background = DecodePngResource(IDP_MSGBOX_BACKGROUND);
    const Picture behind = background.Crop(button.left, button.top, button.right - button.left,
                                           button.bottom - button.top);
    return DrawOver(behind, picture);
}

Picture ShownAt(HWND box, const RECT& button) {
    const POINT origin = ClientToScreenPoint(box, {button.left, button.top});
    return CaptureScreen({origin.x, origin.y, origin.x + button.right - button.left,
                          origin.y + button.bottom - button.top});
}

// Driver thread: waits until the box shows `expected` over `button`.
bool WaitForLook(HWND box, const RECT& button, const Picture& expected) {
    return WaitUntil(
        [&] { return CountDifferences(ShownAt(box, button), expected, kTolerance) == 0; });
}

void SaveArtifact(HWND box, const wchar_t* name) {
    EXPECT_TRUE(SavePng(CaptureWindow(box), ArtifactPath(name))) << "artifact not saved";
}

struct Looks {
    Picture okNormal = ExpectedLook(kOkButton, DecodePngResource(IDP_MSGBOX_OK_NORMAL));
    Picture okHover = ExpectedLook(kOkButton, Brighten(DecodePngResource(IDP_MSGBOX_OK_ACTIVE)));
    Picture okPressed = ExpectedLook(kOkButton, DecodePngResource(IDP_MSGBOX_OK_ACTIVE));
    Picture cancelNormal = ExpectedLook(kCancelButton, DecodePngResource(IDP_MSGBOX_CANCEL_NORMAL));
    Picture cancelHover =
        ExpectedLook(kCancelButton, Brighten(DecodePngResource(IDP_MSGBOX_CANCEL_ACTIVE)));
    Picture close = ExpectedLook(kCloseButton, DecodePngResource(IDP_MSGBOX_CLOSE));
};

struct BoxRun {
    INT_PTR result = -1;
    bool appeared = false;
    bool closedByDriver = false;  // the scenario did not close the box; the driver had to
};

class MessageBoxTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_gdiplus.Started());
        MoveMouseTo(kMouseParking);
    }

    // Runs `box` modally on this thread while `scenario` drives it from a driver thread, once the
    // box shows `ready` (by default the normal look of OK) over `readyButton`.
    BoxRun Run(CCustomMessageBox& box, const std::function<void(HWND)>& scenario) {
        return Run(box, scenario, kOkButton, m_looks.okNormal);
    }
    BoxRun Run(CCustomMessageBox& box, const std::function<void(HWND)>& scenario,
               const RECT& readyButton, const Picture& ready) {
        BoxRun run;
        std::atomic<bool> closedByDriver = false;
        std::atomic<bool> appeared = false;
        std::thread driver([&] {
            HWND window = WaitForTopLevelWindow(WindowQuery::OfClass(L"#32770"));
            if (window == nullptr) {
                return;
            }
            appeared = true;
            if (WaitForLook(window, readyButton, ready)) {
                scenario(window);
            } else {
                ADD_FAILURE() << "the box never showed its normal look";
            }
            if (!WaitUntil([window] { return !::IsWindowVisible(window); })) {
                closedByDriver = true;
                ::PostMessageW(window, WM_CLOSE, 0, 0);
            }
        });
        run.result = box.DoModal();
        driver.join();
        run.appeared = appeared;
        run.closedByDriver = closedByDriver;
        return run;
    }

    static constexpr POINT kMouseParking = {5, 5};
    GdiplusSession m_gdiplus;
    Looks m_looks;
};

void Click(HWND box, const RECT& button) {
    ClickAt(ClientToScreenPoint(box, Centre(button)));
}

void PressKeyIn(HWND box, WORD key) {
    ::SetForegroundWindow(box);
    WaitUntil([box] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return ::GetForegroundWindow() == box &&
               ::GetGUIThreadInfo(::GetWindowThreadProcessId(box, nullptr), &info) &&
               (info.hwndFocus == box || ::IsChild(box, info.hwndFocus));
    });
    PressKey(key);
}

struct AnswerCase {
    const char* name;
    std::function<void(HWND)> act;
    INT_PTR expected;
};

TEST_F(MessageBoxTest, AnswersOneForOkOrEnterAndTwoForCancelCloseOrEscape) {
    const AnswerCase cases[] = {
        {"OK button", [](HWND box) { Click(box, kOkButton); }, IDOK},
        {"Enter", [](HWND box) { PressKeyIn(box, VK_RETURN); }, IDOK},
        {"Cancel button", [](HWND box) { Click(box, kCancelButton); }, IDCANCEL},
        {"close button", [](HWND box) { Click(box, kCloseButton); }, IDCANCEL},
        {"Escape", [](HWND box) { PressKeyIn(box, VK_ESCAPE); }, IDCANCEL},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        CCustomMessageBox box;
        box.SetText(L"退出", L"您确定要退出游戏吗？");
        const BoxRun run = Run(box, c.act);
        EXPECT_TRUE(run.appeared);
        EXPECT_FALSE(run.closedByDriver);
        EXPECT_EQ(run.result, c.expected);
        MoveMouseTo(kMouseParking);
    }
}

TEST_F(MessageBoxTest, IsSizedAndDraggedByItsBodyButNotByAButton) {
    CCustomMessageBox box;
    RECT start = {};
    RECT afterBodyDrag = {};
    RECT afterButtonDrag = {};
    const BoxRun run = Run(box, [&](HWND window) {
        start = WindowRect(window);
        const POINT from = ClientToScreenPoint(window, kTitleArea);
        DragMouse(window, from, {from.x + 40, from.y + 30});
        WaitUntil([&] { return WindowRect(window).left >= start.left + 40 - kDragSlack; });
        afterBodyDrag = WindowRect(window);

        const POINT onOk = ClientToScreenPoint(window, Centre(kOkButton));
        DragMouse(window, onOk, {onOk.x + 40, onOk.y + 60});
        // The hover look of Cancel shows only once the input before it has been handled.
        MoveMouseTo(ClientToScreenPoint(window, Centre(kCancelButton)));
        EXPECT_TRUE(WaitForLook(window, kCancelButton, m_looks.cancelHover));
        afterButtonDrag = WindowRect(window);
        Click(window, kCancelButton);
    });
    EXPECT_FALSE(run.closedByDriver);
    EXPECT_EQ(run.result, IDCANCEL) << "releasing the drag outside OK must not click it";
    EXPECT_EQ(start.right - start.left, kBoxWidth);
    EXPECT_EQ(start.bottom - start.top, kBoxHeight);
    // Wine's move loop may anchor the drag a few pixels along the pointer's path (it takes the
    // cursor position when the loop starts), so the move is checked within that slack.
    EXPECT_NEAR(afterBodyDrag.left, start.left + 40, kDragSlack);
    EXPECT_NEAR(afterBodyDrag.top, start.top + 30, kDragSlack);
    EXPECT_TRUE(::EqualRect(&afterButtonDrag, &afterBodyDrag));
}

TEST_F(MessageBoxTest, ButtonsShowTheirNormalHoverAndPressedPictures) {
    // The three looks of OK must be told apart, or the comparisons below prove nothing.
    ASSERT_GT(CountDifferences(m_looks.okNormal, m_looks.okHover, kTolerance), 1000);
    ASSERT_GT(CountDifferences(m_looks.okHover, m_looks.okPressed, kTolerance), 1000);
    CCustomMessageBox box;
    box.SetText(L"离开", L"确定要离开当前服务器，重新选择服务器吗？");
    const BoxRun run = Run(box, [&](HWND window) {
        EXPECT_TRUE(WaitForLook(window, kCancelButton, m_looks.cancelNormal));
        EXPECT_TRUE(WaitForLook(window, kCloseButton, m_looks.close));
        SaveArtifact(window, L"message_box.png");

        MoveMouseTo(ClientToScreenPoint(window, Centre(kOkButton)));
        EXPECT_TRUE(WaitForLook(window, kOkButton, m_looks.okHover));
        SaveArtifact(window, L"message_box_ok_hover.png");

        PressLeftButton();
        EXPECT_TRUE(WaitForLook(window, kOkButton, m_looks.okPressed));
        SaveArtifact(window, L"message_box_ok_pressed.png");

        ReleaseLeftButton();
    });
    EXPECT_FALSE(run.closedByDriver);
    EXPECT_EQ(run.result, IDOK);
}

TEST_F(MessageBoxTest, LongTextsStayInsideTheirRectangles) {
    CCustomMessageBox box;
    box.SetText(L"一个比一百像素宽得多的标题文字",
                L"这是一条很长的提示信息，它会在矩形里换行，超出矩形的部分会被截断并显示省略号，"
                L"不会画到矩形外面去，也不会盖住下面的按钮。");
    const RECT texts[] = {{85, 7, 185, 32}, {28, 33, 248, 63}};
    const RECT buttons[] = {kOkButton, kCancelButton, kCloseButton};
    Picture shown;
    // The message's partly shown last line may reach into the top rows of OK and Cancel.
    const BoxRun run = Run(
        box,
        [&](HWND window) {
            shown = ShownAt(window, {0, 0, kBoxWidth, kBoxHeight});
            SaveArtifact(window, L"message_box_long_texts.png");
            Click(window, kCancelButton);
        },
        kCloseButton, m_looks.close);
    EXPECT_FALSE(run.closedByDriver);
    ASSERT_EQ(shown.Width(), kBoxWidth);
    const Picture background = DecodePngResource(IDP_MSGBOX_BACKGROUND);
    int outside = 0;
    int inside[2] = {0, 0};
    for (int y = 0; y < kBoxHeight; ++y) {
        for (int x = 0; x < kBoxWidth; ++x) {
            const POINT point = {x, y};
            auto in = [&point](const RECT& rect) { return ::PtInRect(&rect, point) != FALSE; };
            if (std::any_of(std::begin(buttons), std::end(buttons), in)) {
                continue;
            }
            const bool differs =
                CountDifferences(shown.Crop(x, y, 1, 1), background.Crop(x, y, 1, 1), kTolerance);
            if (in(texts[0]) || in(texts[1])) {
                inside[in(texts[0]) ? 0 : 1] += differs ? 1 : 0;
            } else {
                outside += differs ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(outside, 0) << "pixels drawn outside the title and message rectangles";
    EXPECT_GT(inside[0], 50) << "title";
    EXPECT_GT(inside[1], 200) << "message";
}

TEST_F(MessageBoxTest, TextsDefaultToTheTitleOnlyAndSetTextReplacesBoth) {
    CCustomMessageBox box;
    EXPECT_EQ(box.Title(), L"温馨提示");
    EXPECT_EQ(box.Message(), L"");
    box.SetText(L"卸载", L"您是否确认卸载《Torvane》？");
    EXPECT_EQ(box.Title(), L"卸载");
    EXPECT_EQ(box.Message(), L"您是否确认卸载《Torvane》？");
}

TEST_F(MessageBoxTest, ABoxThatCannotBeShownAnswersCancel) {
    CCustomMessageBox box;
    // An owner that is no window: the box cannot be created.
    EXPECT_EQ(box.DoModal(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0001))), IDCANCEL);
}

}  // namespace
