// A tooltip control (comctl32) owned by one control, with the few calls the skinned button makes.
#pragma once

#include <windows.h>

#include <string>

class ToolTip {
public:
    ToolTip() = default;
    ~ToolTip() { Destroy(); }
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;

    // Creates the control for tools of `parent`; false when it could not be created.
    bool Create(HWND parent);
    void Destroy();

    HWND Handle() const { return m_window; }
    bool Exists() const { return m_window != nullptr; }
    bool IsWindow() const { return m_window != nullptr && ::IsWindow(m_window) != FALSE; }

    int ToolCount() const;
    // Registers `rect` of `m_parent`'s client area as tool `id`.
    void AddTool(UINT id, const RECT& rect, const std::wstring& text);
    void SetToolText(UINT id, const std::wstring& text);
    void SetAutomaticDelay(int milliseconds);
    void Activate(bool active);
    void Update();
    void Relay(const MSG& message);

private:
    HWND m_window = nullptr;
    HWND m_parent = nullptr;
};
