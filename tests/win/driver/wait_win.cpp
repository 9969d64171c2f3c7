#include "tests/win/driver/wait.h"

#include <windows.h>

#include <thread>

#include "platform/win/window_object.h"

namespace {

constexpr DWORD kWakeUpMs = 10;

// False when WM_QUIT arrived (posted again for the outer loop).
bool DispatchPending() {
    MSG message = {};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (!RouteQueuedMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return true;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline || !DispatchPending()) {
            return done();
        }
        ::MsgWaitForMultipleObjectsEx(0, nullptr, kWakeUpMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return true;
}

void PumpFor(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    PumpUntil([&end] { return std::chrono::steady_clock::now() >= end; },
              duration + std::chrono::seconds(1));
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return done();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kWakeUpMs));
    }
    return true;
}
