// The cache-cleaning overlay over a stand-in frame window, driven on the test's thread: layered
// at 229/255 over exactly the frame, the four-frame animation on screen, clicks kept from the
// frame, and an animation that resumes where it stopped.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "platform/win/dialog.h"
#include "platform/win/gdi_handles.h"
#include "skin_ids.h"
#include "tests/win/driver/gdiplus_session.h"
#include "tests/win/driver/input.h"
#include "tests/win/driver/screenshot.h"
#include "tests/win/driver/skin_pixels.h"
#include "tests/win/driver/wait.h"
#include "tests/win/driver/windows.h"
#include "tests/win/test_resource_ids.h"
#include "ui/menban_dlg_win.h"
#include "ui/toolkit_ids.h"

namespace {

constexpr COLORREF kFrameColour = RGB(40, 160, 220);
constexpr POINT kMouseParking = {5, 5};
constexpr int kFrameSize = 23;
constexpr int kTolerance = 4;
constexpr std::chrono::milliseconds kThreeTimerPeriods{3 * IDT_OVERLAY_PERIOD_MS + 100};

// A stand-in for the launcher's frame: a bright window that counts the clicks it gets.
class FrameWindow : public Dialog {
public:
    FrameWindow() : Dialog(IDD_TEST_FRAME) {}
    int m_nClicks = 0;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        switch (message) {
            case WM_LBUTTONDOWN:
                ++m_nClicks;
                return false;
            case WM_ERASEBKGND: {
                RECT client = {};
                ::GetClientRect(Handle(), &client);
                UniqueGdiObject brush(::CreateSolidBrush(kFrameColour));
                ::FillRect(reinterpret_cast<HDC>(wParam), &client,
                           static_cast<HBRUSH>(brush.Get()));
                result = TRUE;
                return true;
            }
            default:
                return false;
        }
    }
};

// The overlay, noting the clicks and keys that reach it.
class ObservedOverlay : public CMenbanDlg {
public:
    std::vector<UINT> m_mouseMessages;
    std::vector<WPARAM> m_keysReleased;

    bool PreTranslateMessage(MSG& message) override {
        if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST &&
            message.message != WM_MOUSEMOVE) {
            m_mouseMessages.push_back(message.message);
        }
        if (message.message == WM_KEYUP) {
            m_keysReleased.push_back(message.wParam);
        }
        return CMenbanDlg::PreTranslateMessage(message);
    }
};

// The frame the animation shows for a timer step taken with `counter`.
int FrameForCounter(int counter) {
    return counter >= 1 && counter <= 4 ? counter : 1;
}

class OverlayTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_gdiplus.Started());
        MoveMouseTo(kMouseParking);
        ASSERT_TRUE(m_frame.Create(nullptr));
        ::ShowWindow(m_frame.Handle(), SW_SHOW);
        ASSERT_TRUE(m_overlay.Create(m_frame.Handle()));
        PumpFor(std::chrono::milliseconds(50));
    }

    HWND Overlay() const { return m_overlay.Handle(); }

    // The animation rectangle on the screen.
    Picture ShownAnimation() {
        const RECT client = ClientRectOnScreen(Overlay());
        const int x = client.left + (client.right - client.left - kFrameSize) / 2;
        const int y = client.top + (client.bottom - client.top - kFrameSize) / 2 - 40;
        return CaptureScreen({x, y, x + kFrameSize, y + kFrameSize});
    }

    // The sheet's own colour: white under the tiled black at alpha 230.
    static Picture Sheet(int width, int height) {
        const Picture white(width, height, std::vector<uint32_t>(width * height, 0xFFFFFFFFu));
        const Picture texture = DecodePngResource(IDP_OVERLAY_TEXTURE);
        Picture sheet = white;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                sheet = DrawOver(sheet, texture, x, y);
            }
        }
        return sheet;
    }

    Picture ExpectedFrame(int frame) const {
        return DrawOver(m_sheet, DecodePngResource(IDP_OVERLAY_FRAME1 + frame - 1));
    }

    GdiplusSession m_gdiplus;
    FrameWindow m_frame;
    ObservedOverlay m_overlay;
    Picture m_sheet = Sheet(kFrameSize, kFrameSize);
};

TEST_F(OverlayTest, StartsHiddenLayeredAt229OwnedByTheFrame) {
    EXPECT_FALSE(::IsWindowVisible(Overlay()));
    EXPECT_EQ(::GetWindow(Overlay(), GW_OWNER), m_frame.Handle());
    EXPECT_NE(::GetWindowLongW(Overlay(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    COLORREF key = 1;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(Overlay(), &key, &alpha, &flags));
    EXPECT_EQ(alpha, 229);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(m_overlay.FrameCounter(), 1);
    EXPECT_EQ(m_overlay.CurrentFrame(), 1);

    // Only its own timer moves the animation.
    ::SetTimer(Overlay(), IDT_OVERLAY + 1, 10, nullptr);
    PumpFor(kThreeTimerPeriods);
    ::KillTimer(Overlay(), IDT_OVERLAY + 1);
    EXPECT_EQ(m_overlay.FrameCounter(), 1);
}

TEST_F(OverlayTest, CoversTheFrameAndCyclesItsFourFramesOnScreen) {
    const Picture frameAlone = CaptureWindow(m_frame.Handle());
    m_overlay.ShowOver(m_frame.Handle());
    ASSERT_TRUE(::IsWindowVisible(Overlay()));
    const RECT frameRect = WindowRect(m_frame.Handle());
    const RECT overlayRect = WindowRect(Overlay());
    EXPECT_TRUE(::EqualRect(&frameRect, &overlayRect));
    for (int a = 1; a <= 4; ++a) {
        for (int b = a + 1; b <= 4; ++b) {
            ASSERT_GT(CountDifferences(ExpectedFrame(a), ExpectedFrame(b), kTolerance), 10);
        }
    }

    // Eight steps: every frame shows twice, in order, whatever the machine's speed.
    std::vector<int> shown;
    for (int step = 0; step < 8; ++step) {
        const int counter = m_overlay.FrameCounter();
        ASSERT_TRUE(PumpUntil([&] { return m_overlay.FrameCounter() != counter; }));
        const int frame = FrameForCounter(counter);
        EXPECT_EQ(m_overlay.CurrentFrame(), frame);
        // The next step may come before the screen shows this one; then that one is checked.
        EXPECT_TRUE(PumpUntil([&] {
            return CountDifferences(ShownAnimation(), ExpectedFrame(m_overlay.CurrentFrame()),
                                    kTolerance) == 0;
        })) << "frame "
            << frame;
        shown.push_back(frame);
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 1, 2, 3, 4}));

    // The sheet around the animation is an even dark grey, and the text is on it.
    const Picture overlay = CaptureWindow(Overlay());
    const Picture corner = overlay.Crop(10, 10, kFrameSize, kFrameSize);
    EXPECT_EQ(CountDifferences(corner, m_sheet, 2), 0);
    const Picture text =
        overlay.Crop((overlay.Width() - 200) / 2, (overlay.Height() - 31) / 2, 200, 31);
    int lit = 0;
    for (uint32_t pixel : text.Pixels()) {
        lit += ((pixel >> 16) & 0xFF) > 150 ? 1 : 0;
    }
    EXPECT_GT(lit, 50) << "the cleaning text";

    EXPECT_TRUE(SavePng(overlay, ArtifactPath(L"overlay.png")));
    EXPECT_TRUE(SavePng(frameAlone, ArtifactPath(L"overlay_frame_below.png")));
}

TEST_F(OverlayTest, ClicksDoNotReachTheFrameAndNoKeyOrCloseRequestHidesTheOverlay) {
    m_overlay.ShowOver(m_frame.Handle());
    ClickAt(ClientCentreOnScreen(m_frame.Handle()));
    ASSERT_TRUE(PumpUntil([this] {
        return !m_overlay.m_mouseMessages.empty() &&
               m_overlay.m_mouseMessages.back() == WM_LBUTTONUP;
    }));
    EXPECT_EQ(m_frame.m_nClicks, 0);

    ::SetForegroundWindow(Overlay());
    ASSERT_TRUE(PumpUntil([this] { return ::GetForegroundWindow() == Overlay(); }));
    PressKey(VK_ESCAPE);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([this] {
        return !m_overlay.m_keysReleased.empty() && m_overlay.m_keysReleased.back() == VK_RETURN;
    }));
    ::SendMessageW(Overlay(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindowVisible(Overlay()));
}

TEST_F(OverlayTest, HidingStopsTheAnimationAndShowingResumesWhereItStopped) {
    m_overlay.ShowOver(m_frame.Handle());
    ASSERT_TRUE(PumpUntil([this] { return m_overlay.FrameCounter() >= 3; }));
    m_overlay.HideOverlay();
    EXPECT_FALSE(::IsWindowVisible(Overlay()));
    const int stoppedAt = m_overlay.FrameCounter();
    const int frameShown = m_overlay.CurrentFrame();
    PumpFor(kThreeTimerPeriods);
    EXPECT_EQ(m_overlay.FrameCounter(), stoppedAt);
    EXPECT_EQ(m_overlay.CurrentFrame(), frameShown);

    m_overlay.ShowOver(m_frame.Handle());
    ASSERT_TRUE(PumpUntil([&] { return m_overlay.FrameCounter() != stoppedAt; }));
    EXPECT_EQ(m_overlay.CurrentFrame(), FrameForCounter(stoppedAt));
}

}  // namespace
