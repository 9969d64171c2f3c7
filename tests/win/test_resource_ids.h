// Resources that only the Windows GUI tests carry.
#pragma once

// A "PNG" resource whose bytes are not a PNG picture.
#define IDP_TEST_NOT_A_PNG 9001

// A window with three buttons: two skinned ones (with and without a tooltip) and an owner-drawn
// one without the skinned button's double-click handling.
#define IDD_TEST_BUTTONS 9100
#define IDC_TEST_TOUCH 9101
#define IDC_TEST_TOUCH_SILENT 9102
#define IDC_TEST_OWNERDRAWN 9103

// A stand-in for the frame window that the overlay covers.
#define IDD_TEST_FRAME 9200
