#include "platform/win/window_object.h"

namespace {

constexpr wchar_t kObjectProperty[] = L"Torvane.WindowObject";

bool IsDialogWindow(HWND window) {
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    return lstrcmpW(className, L"#32770") == 0;
}

}  // namespace

WindowObject::~WindowObject() {
    Unbind();
}

bool WindowObject::PreTranslateMessage(MSG&) {
    return false;
}

WindowObject* WindowObject::FromHandle(HWND window) {
    return window != nullptr ? static_cast<WindowObject*>(::GetPropW(window, kObjectProperty))
                             : nullptr;
}

void WindowObject::Bind(HWND window) {
    m_hwnd = window;
    ::SetPropW(window, kObjectProperty, this);
}

void WindowObject::Unbind() {
    if (m_hwnd != nullptr && ::IsWindow(m_hwnd)) {
        ::RemovePropW(m_hwnd, kObjectProperty);
    }
    m_hwnd = nullptr;
}

bool RouteQueuedMessage(MSG& message) {
    HWND topLevel = nullptr;
    for (HWND window = message.hwnd; window != nullptr; window = ::GetParent(window)) {
        if (WindowObject* object = WindowObject::FromHandle(window)) {
            if (object->PreTranslateMessage(message)) {
                return true;
            }
        }
        topLevel = window;
        if ((::GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0) {
            break;  // owned pop-ups end the walk: their owners do not see their keys
        }
    }
    return topLevel != nullptr && IsDialogWindow(topLevel) &&
           ::IsDialogMessageW(topLevel, &message) != FALSE;
}
