// A dialog window built from a dialog template, modal or modeless. Modal dialogs run our own
// message loop, so the windows inside see queued messages first (PreTranslateMessage), as the
// skinned buttons and the frame need.
#pragma once

#include <windows.h>

#include "platform/win/window_object.h"

class Dialog : public WindowObject {
public:
    explicit Dialog(UINT templateId);
    ~Dialog() override;

    // Creates the dialog owned by `owner` (default: the thread's active window), disables the
    // owner, shows the dialog after OnInitDialog unless it ended there, and runs the message loop
    // until EndDialog. Returns the EndDialog value, or -1 when the window could not be created.
    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the dialog modeless, owned by (or, for a child template, inside) `parent`.
    bool Create(HWND parent);
    // Modal: ends the loop with `result`. Modeless: hides the window.
    void EndDialog(INT_PTR result);
    void DestroyWindow();

    HWND Item(int id) const { return ::GetDlgItem(Handle(), id); }
    UINT TemplateId() const { return m_templateId; }

protected:
    virtual BOOL OnInitDialog();
    // Enter and Escape (and the buttons with ids IDOK and IDCANCEL) end a dialog by default.
    virtual void OnOK();
    virtual void OnCancel();
    // One switch per class: true when handled, with `result` set.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& answer);

    UINT m_templateId;
    bool m_modal = false;
    bool m_ended = false;
    INT_PTR m_result = -1;
};
