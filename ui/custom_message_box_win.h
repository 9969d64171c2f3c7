// The launcher's only question box: a borderless, skinned modal dialog with a title, a short
// message, OK, Cancel and a close button. DoModal answers IDOK (OK, Enter) or IDCANCEL (Cancel,
// the close button, Escape).
#pragma once

#include <windows.h>

#include <string>

#include "platform/win/dialog.h"
#include "ui/png_image_win.h"
#include "ui/touch_button_win.h"

class CCustomMessageBox : public Dialog {
public:
    CCustomMessageBox();
    ~CCustomMessageBox() override = default;

    void SetText(const std::wstring& title, const std::wstring& message);
    // IDOK or IDCANCEL. A box that cannot be shown answers IDCANCEL, so that no caller goes ahead
    // with what it asked about.
    INT_PTR DoModal(HWND owner = nullptr);

    const std::wstring& Title() const { return m_strTitle; }
    const std::wstring& Message() const { return m_strMessage; }

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void AttachButtons();
    void PlaceButtons();
    void Paint(HDC dc);
    LRESULT HitTest(WPARAM wParam, LPARAM lParam);

    CTouchButton m_btnOK;
    CTouchButton m_btnCancel;
    CTouchButton m_btnClose;
    PngImage m_pBackground;
    std::wstring m_strTitle;
    std::wstring m_strMessage;
};
