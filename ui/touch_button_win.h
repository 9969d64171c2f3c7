// The launcher's skinned push button: one of three PNG pictures (normal, hover, pressed) drawn
// over a copy of what its parent shows behind it, a hand cursor, an optional tooltip, and a
// double click that counts as a second click.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/win/subclassed_control.h"
#include "ui/gdiplus_bitmap_win.h"
#include "ui/offscreen_surface_win.h"
#include "ui/tool_tip_win.h"

class CTouchButton : public SubclassedControl {
public:
    CTouchButton() = default;
    ~CTouchButton() override;

    // Loads the three pictures (hover first); true when the hover picture loaded. Call once,
    // before the button is first shown.
    bool LoadImages(WORD normalId, WORD hoverId, WORD pressedId);
    // An empty text does nothing; otherwise creates the tooltip control when needed and sets it.
    void SetToolTipText(const std::wstring& text, bool activate = true);

    bool PreTranslateMessage(MSG& message) override;
    bool ReflectColorQuery(HDC dc, HBRUSH& brush) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

    bool IsHovering() const { return m_bHover; }
    bool LooksBuilt() const { return m_bLooksBuilt; }
    HWND ToolTipWindow() const { return m_toolTip.Handle(); }

protected:
    void PreSubclassWindow() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void BuildLooks(HDC dc);
    void CaptureBackground(int width, int height);
    void ComposeLook(HDC work, const CGdiPlusBitmapResource& picture, bool brighten,
                     OffscreenSurface& look, int width, int height);
    void OnMouseMove();
    void OnMouseHover();
    void OnMouseLeave();

    bool m_bLooksBuilt = false;
    bool m_bHover = false;
    bool m_bTracking = false;
    std::unique_ptr<CGdiPlusBitmapResource> m_pHoverImage;
    std::unique_ptr<CGdiPlusBitmapResource> m_pNormalImage;
    std::unique_ptr<CGdiPlusBitmapResource> m_pPressedImage;
    std::wstring m_strToolTip;
    ToolTip m_toolTip;
    OffscreenSurface m_background;
    OffscreenSurface m_normalLook;
    OffscreenSurface m_pressedLook;
    OffscreenSurface m_hoverLook;
    const OffscreenSurface* m_pCurrentLook = nullptr;
};
