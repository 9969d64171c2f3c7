#include "tests/win/driver/windows.h"

#include "tests/win/driver/wait.h"

namespace {

struct Search {
    const WindowQuery* query;
    HWND found;
};

bool Matches(HWND window, const WindowQuery& query) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != ::GetCurrentProcessId()) {
        return false;
    }
    if (query.visibleOnly && !::IsWindowVisible(window)) {
        return false;
    }
    if (query.owner != nullptr && ::GetWindow(window, GW_OWNER) != query.owner) {
        return false;
    }
    if (!query.className.empty() && WindowClassName(window) != query.className) {
        return false;
    }
    if (query.title.empty()) {
        return true;
    }
    wchar_t title[256] = {};
    ::GetWindowTextW(window, title, 256);
    return query.title == title;
}

BOOL CALLBACK VisitWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    if (!Matches(window, *search->query)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindTopLevelWindow(const WindowQuery& query) {
    Search search = {&query, nullptr};
    ::EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopLevelWindow(const WindowQuery& query) {
    HWND found = nullptr;
    WaitUntil([&] {
        found = FindTopLevelWindow(query);
        return found != nullptr;
    });
    return found;
}

std::wstring WindowClassName(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return name;
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect = {};
    ::GetClientRect(window, &rect);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT ClientCentreOnScreen(HWND window) {
    const RECT rect = ClientRectOnScreen(window);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT ClientToScreenPoint(HWND window, POINT point) {
    ::ClientToScreen(window, &point);
    return point;
}
