// The dialog templates of resources/dialogs.rc: the sizes, styles and controls the windows are
// built from.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "ui/toolkit_ids.h"

namespace {

// The fixed head of an extended dialog template (DLGTEMPLATEEX), up to the size.
#pragma pack(push, 1)
struct TemplateHead {
    uint16_t version;
    uint16_t signature;
    uint32_t helpId;
    uint32_t exStyle;
    uint32_t style;
    uint16_t itemCount;
    int16_t x;
    int16_t y;
    int16_t cx;
    int16_t cy;
};
#pragma pack(pop)

bool ReadTemplate(WORD id, TemplateHead& head) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    HGLOBAL loaded = info != nullptr ? ::LoadResource(module, info) : nullptr;
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr || ::SizeofResource(module, info) < sizeof head) {
        return false;
    }
    std::memcpy(&head, bytes, sizeof head);
    return head.signature == 0xFFFF;
}

struct TemplateCase {
    WORD id;
    DWORD styleSet;    // these bits are set
    DWORD styleClear;  // these are not
    DWORD exStyleSet;
    int width;  // dialog units, 0: any
    int height;
    int controls;
};

TEST(DialogTemplates, CarryTheirStylesSizesAndControls) {
    constexpr DWORD kCaptionOrVisible = WS_CAPTION | WS_VISIBLE;
    const TemplateCase cases[] = {
        {IDD_CUSTOM_MESSAGE_BOX, WS_POPUP | WS_SYSMENU, kCaptionOrVisible, 0, 280, 115, 3},
        {IDD_OVERLAY, WS_POPUP | WS_SYSMENU, kCaptionOrVisible, 0, 316, 183, 0},
        {101, WS_SYSMENU, WS_VISIBLE, 0, 0, 0, 9},
        {103, WS_POPUP | WS_VISIBLE | WS_SYSMENU, WS_CAPTION, WS_EX_APPWINDOW, 0, 0, 0},
        {328, WS_CHILD | WS_VISIBLE | WS_SYSMENU, WS_POPUP, 0, 0, 0, 0},
        {1015, WS_POPUP | WS_SYSMENU, kCaptionOrVisible, 0, 0, 0, 2},
    };
    for (const TemplateCase& c : cases) {
        SCOPED_TRACE(c.id);
        TemplateHead head = {};
        ASSERT_TRUE(ReadTemplate(c.id, head));
        EXPECT_EQ(head.style & c.styleSet, c.styleSet);
        EXPECT_EQ(head.style & c.styleClear, 0u);
        EXPECT_EQ(head.exStyle & c.exStyleSet, c.exStyleSet);
        if (c.width != 0) {
            EXPECT_EQ(head.cx, c.width);
            EXPECT_EQ(head.cy, c.height);
        }
        EXPECT_EQ(head.itemCount, c.controls);
    }
}

}  // namespace
