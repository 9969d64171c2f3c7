#include "ui/tool_tip_win.h"

#include <commctrl.h>

namespace {

// The owner relays the mouse messages itself (TTM_RELAYEVENT), so no subclassing flag. The
// record size is one that every comctl32 version accepts.
TOOLINFOW ToolInfo(HWND parent, UINT id, const std::wstring& text) {
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = parent;
    info.uId = id;
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    return info;
}

}  // namespace

bool ToolTip::Create(HWND parent) {
    Destroy();
    m_window = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent,
                                 nullptr, ::GetModuleHandleW(nullptr), nullptr);
    m_parent = m_window != nullptr ? parent : nullptr;
    return m_window != nullptr;
}

void ToolTip::Destroy() {
    if (m_window != nullptr && ::IsWindow(m_window)) {
        ::DestroyWindow(m_window);
    }
    m_window = nullptr;
    m_parent = nullptr;
}

int ToolTip::ToolCount() const {
    return static_cast<int>(::SendMessageW(m_window, TTM_GETTOOLCOUNT, 0, 0));
}

void ToolTip::AddTool(UINT id, const RECT& rect, const std::wstring& text) {
    TOOLINFOW info = ToolInfo(m_parent, id, text);
    info.rect = rect;
    ::SendMessageW(m_window, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::SetToolText(UINT id, const std::wstring& text) {
    TOOLINFOW info = ToolInfo(m_parent, id, text);
    ::SendMessageW(m_window, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::SetAutomaticDelay(int milliseconds) {
    ::SendMessageW(m_window, TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(milliseconds, 0));
}

void ToolTip::Activate(bool active) {
    ::SendMessageW(m_window, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void ToolTip::Update() {
    ::SendMessageW(m_window, TTM_UPDATE, 0, 0);
}

void ToolTip::Relay(const MSG& message) {
    ::SendMessageW(m_window, TTM_RELAYEVENT, 0,
                   reinterpret_cast<LPARAM>(const_cast<MSG*>(&message)));
}
