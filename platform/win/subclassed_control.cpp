#include "platform/win/subclassed_control.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSubclassId = 0x7F0A;

}  // namespace

SubclassedControl::~SubclassedControl() {
    Detach();
}

bool SubclassedControl::AttachItem(HWND dialog, int id) {
    return Attach(::GetDlgItem(dialog, id));
}

bool SubclassedControl::Attach(HWND control) {
    if (control == nullptr || Handle() != nullptr) {
        return false;
    }
    Bind(control);
    PreSubclassWindow();
    if (!::SetWindowSubclass(control, SubclassProc, kSubclassId,
                             reinterpret_cast<DWORD_PTR>(this))) {
        Unbind();
        return false;
    }
    return true;
}

void SubclassedControl::Detach() {
    if (Handle() != nullptr && ::IsWindow(Handle())) {
        ::RemoveWindowSubclass(Handle(), SubclassProc, kSubclassId);
    }
    Unbind();
}

bool SubclassedControl::ReflectColorQuery(HDC, HBRUSH&) {
    return false;
}

bool SubclassedControl::DrawItem(const DRAWITEMSTRUCT&) {
    return false;
}

bool SubclassedControl::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT SubclassedControl::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefSubclassProc(Handle(), message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* control = reinterpret_cast<SubclassedControl*>(data);
    if (message == WM_NCDESTROY) {
        control->Detach();
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (control->OnMessage(message, wParam, lParam, result)) {
        return result;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}
