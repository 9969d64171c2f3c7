// The translucent dark sheet laid over the frame window while the browser cache is cleaned: a
// four-frame busy animation and a line of text, no controls, no way for the user to close it.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "platform/win/dialog.h"
#include "ui/png_image_win.h"

class CMenbanDlg : public Dialog {
public:
    CMenbanDlg();
    ~CMenbanDlg() override = default;

    // What the owner does to show the sheet: lay it exactly over `frame` (screen rectangle, z-order
    // kept), start the animation timer and show it.
    void ShowOver(HWND frame);
    // Stops the animation and hides the sheet; the animation resumes where it stopped.
    void HideOverlay();

    int32_t FrameCounter() const { return m_nFrame; }
    // 1 to 4: which animation frame the next paint draws (0 before initialisation).
    int CurrentFrame() const;

protected:
    BOOL OnInitDialog() override;
    // Enter, Escape and closing do nothing: only the owner hides the sheet, when the cleaning is
    // done.
    void OnOK() override {}
    void OnCancel() override {}
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint();
    void OnAnimationTimer();
    RECT FrameRect(const RECT& client) const;

    PngImage m_pTexture;
    std::array<PngImage, 4> m_pFrames;
    const PngImage* m_pCurrentFrame = nullptr;
    int32_t m_nFrame = 0;
};
