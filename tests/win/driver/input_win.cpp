#include "tests/win/driver/input.h"

#include <chrono>
#include <thread>
#include <vector>

#include "tests/win/driver/wait.h"

namespace {

constexpr int kDragSteps = 8;
constexpr int kSettleChecks = 4;
constexpr std::chrono::milliseconds kSettleInterval{15};

INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    return input;
}

// Normalised absolute coordinates (0..65535) that land exactly on `pixel` of a screen `size`
// pixels wide: the system maps them back as value * size / 65536.
LONG Normalise(LONG pixel, int size) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + size - 1) / size);
}

INPUT MoveInput(POINT screen) {
    return MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                      Normalise(screen.x, ::GetSystemMetrics(SM_CXSCREEN)),
                      Normalise(screen.y, ::GetSystemMetrics(SM_CYSCREEN)));
}

void Send(std::vector<INPUT> inputs) {
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool CursorStaysAt(POINT screen) {
    for (int check = 0; check < kSettleChecks; ++check) {
        POINT cursor = {};
        if (!::GetCursorPos(&cursor) || cursor.x != screen.x || cursor.y != screen.y) {
            return false;
        }
        std::this_thread::sleep_for(kSettleInterval);
    }
    return true;
}

}  // namespace

// Wine's X11 driver moves the X pointer along, and the X server's report of an earlier position
// can still arrive after a later move and put the cursor back. So a move is repeated until the
// cursor stays where it was sent.
void MoveMouseTo(POINT screen) {
    WaitUntil([screen] {
        Send({MoveInput(screen)});
        return CursorStaysAt(screen);
    });
}

void PressLeftButton() {
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN)});
}

void ReleaseLeftButton() {
    Send({MouseInput(MOUSEEVENTF_LEFTUP)});
}

void ClickAt(POINT screen) {
    MoveMouseTo(screen);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
}

void DoubleClickAt(POINT screen) {
    MoveMouseTo(screen);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP),
          MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
}

void PressKey(WORD virtualKey) {
    INPUT down = {};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = virtualKey;
    INPUT up = down;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    Send({down, up});
}

void DragMouse(HWND window, POINT from, POINT to) {
    MoveMouseTo(from);
    PressLeftButton();
    // Moves sent before the press is handled would be lost to a move loop that has not begun.
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    WaitUntil([thread] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return ::GetGUIThreadInfo(thread, &info) &&
               (info.hwndCapture != nullptr || (info.flags & GUI_INMOVESIZE) != 0);
    });
    std::vector<INPUT> inputs;
    for (int step = 1; step <= kDragSteps; ++step) {
        inputs.push_back(MoveInput({from.x + (to.x - from.x) * step / kDragSteps,
                                    from.y + (to.y - from.y) * step / kDragSteps}));
    }
    Send(std::move(inputs));
    MoveMouseTo(to);
    ReleaseLeftButton();
}
