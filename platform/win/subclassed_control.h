// A control of a dialog that our code takes over by window subclassing (the skinned button):
// its messages come to OnMessage first, and the parent dialog reflects the colour query and the
// owner-draw request back to it.
#pragma once

#include <windows.h>

#include "platform/win/window_object.h"

class SubclassedControl : public WindowObject {
public:
    SubclassedControl() = default;
    ~SubclassedControl() override;

    // Takes over the control `id` of `dialog`. False when there is no such control.
    bool AttachItem(HWND dialog, int id);
    bool Attach(HWND control);
    void Detach();

    // The parent dialog's WM_CTLCOLOR* for this control; true when answered (with `brush`).
    virtual bool ReflectColorQuery(HDC dc, HBRUSH& brush);
    // The parent dialog's WM_DRAWITEM for this control; true when drawn.
    virtual bool DrawItem(const DRAWITEMSTRUCT& item);

protected:
    // Called once the control is attached, before any of its messages arrive here.
    virtual void PreSubclassWindow() {}
    // One switch per class: true when handled, with `result` set.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The control's own processing of a message.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
};
