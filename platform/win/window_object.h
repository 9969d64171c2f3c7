// Binds our C++ window objects (dialogs, subclassed controls) to their HWNDs, and offers each
// queued message to them before it is dispatched: first to the object of the window the message
// is for, then to those of its parents, as far as the top-level window.
#pragma once

#include <windows.h>

class WindowObject {
public:
    WindowObject() = default;
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;

    HWND Handle() const { return m_hwnd; }

    // Sees a queued message before it is translated and dispatched; true when it handled it.
    virtual bool PreTranslateMessage(MSG& message);

    // The object bound to `window`, or null.
    static WindowObject* FromHandle(HWND window);

protected:
    virtual ~WindowObject();
    void Bind(HWND window);
    void Unbind();

private:
    HWND m_hwnd = nullptr;
};

// Offers `message` to the window objects from its target up to the top-level window, then lets
// the top-level dialog handle its keys (Tab, Enter, Escape). True when the message was consumed.
bool RouteQueuedMessage(MSG& message);

// Runs the message loop until `done` returns true or WM_QUIT arrives (which is posted again so
// that outer loops see it too). Returns false when WM_QUIT ended it.
template <typename Done>
bool PumpMessagesUntil(Done done) {
    MSG message = {};
    while (!done()) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (got < 0) {
            return false;
        }
        if (!RouteQueuedMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return true;
}
