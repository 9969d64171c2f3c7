#include "platform/win/dialog.h"

#include "platform/win/subclassed_control.h"

namespace {

// Messages whose dialog-procedure answer is the result itself rather than DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
           message == WM_INITDIALOG || message == WM_QUERYDRAGICON || message == WM_COMPAREITEM ||
           message == WM_VKEYTOITEM || message == WM_CHARTOITEM;
}

}  // namespace

Dialog::Dialog(UINT templateId) : m_templateId(templateId) {}

Dialog::~Dialog() {
    DestroyWindow();
}

INT_PTR Dialog::DoModal(HWND owner) {
    if (owner == nullptr) {
        owner = ::GetActiveWindow();
    }
    m_modal = true;
    m_ended = false;
    m_result = -1;
    if (::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner,
                             DialogProc, reinterpret_cast<LPARAM>(this)) == nullptr) {
        m_modal = false;
        return -1;
    }
    const bool ownerWasEnabled = owner != nullptr && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) {
        ::EnableWindow(owner, FALSE);
    }
    if (!m_ended && Handle() != nullptr && !::IsWindowVisible(Handle())) {
        ::ShowWindow(Handle(), SW_SHOWNORMAL);
    }
    PumpMessagesUntil([this] { return m_ended || Handle() == nullptr; });
    // The owner gets activation back before this window goes, so focus does not wander.
    if (ownerWasEnabled) {
        ::EnableWindow(owner, TRUE);
    }
    if (Handle() != nullptr) {
        ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (owner != nullptr && ::IsWindowVisible(owner)) {
            ::SetActiveWindow(owner);
        }
    }
    DestroyWindow();
    m_modal = false;
    return m_result;
}

bool Dialog::Create(HWND parent) {
    m_modal = false;
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent,
                                DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::EndDialog(INT_PTR result) {
    m_result = result;
    if (m_modal) {
        m_ended = true;
        ::PostMessageW(Handle(), WM_NULL, 0, 0);  // wakes the loop if it is waiting
    } else if (Handle() != nullptr) {
        ::ShowWindow(Handle(), SW_HIDE);
    }
}

void Dialog::DestroyWindow() {
    HWND window = Handle();
    if (window == nullptr) {
        return;
    }
    Unbind();
    ::DestroyWindow(window);
}

BOOL Dialog::OnInitDialog() {
    return TRUE;
}

void Dialog::OnOK() {
    EndDialog(IDOK);
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        dialog->Bind(window);
        return dialog->OnInitDialog();
    }
    auto* dialog = dynamic_cast<Dialog*>(WindowObject::FromHandle(window));
    if (dialog == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        dialog->Unbind();
        return FALSE;
    }
    return dialog->Dispatch(message, wParam, lParam);
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result)) {
        if (AnswersDirectly(message)) {
            return static_cast<INT_PTR>(result);
        }
        ::SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, result);
        return TRUE;
    }
    INT_PTR answer = 0;
    if (ReflectToControl(message, wParam, lParam, answer)) {
        return answer;
    }
    if (message == WM_COMMAND && HIWORD(wParam) <= BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return FALSE;
}

bool Dialog::ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& answer) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        auto* control = dynamic_cast<SubclassedControl*>(
            WindowObject::FromHandle(reinterpret_cast<HWND>(lParam)));
        HBRUSH brush = nullptr;
        if (control != nullptr &&
            control->ReflectColorQuery(reinterpret_cast<HDC>(wParam), brush)) {
            answer = reinterpret_cast<INT_PTR>(brush);
            return true;
        }
        return false;
    }
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        auto* control = dynamic_cast<SubclassedControl*>(WindowObject::FromHandle(item->hwndItem));
        if (control != nullptr && control->DrawItem(*item)) {
            ::SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, TRUE);
            answer = TRUE;
            return true;
        }
    }
    return false;
}
