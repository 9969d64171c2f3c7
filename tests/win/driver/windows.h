// Finding the windows under test and reading their state, from any thread of the test process.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct WindowQuery {
    std::wstring className;  // empty: any
    std::wstring title;      // empty: any
    HWND owner = nullptr;    // null: any
    bool visibleOnly = true;

    static WindowQuery OfClass(std::wstring name) {
        WindowQuery query;
        query.className = std::move(name);
        return query;
    }
};

// The first top-level window of this process that matches, or null.
HWND FindTopLevelWindow(const WindowQuery& query);
// Polls (driver thread) until such a window exists; null when none came before the deadline.
HWND WaitForTopLevelWindow(const WindowQuery& query);

std::wstring WindowClassName(HWND window);
RECT WindowRect(HWND window);
// The client rectangle in screen coordinates.
RECT ClientRectOnScreen(HWND window);
// The centre of `window`'s client area, in screen coordinates.
POINT ClientCentreOnScreen(HWND window);
POINT ClientToScreenPoint(HWND window, POINT point);
