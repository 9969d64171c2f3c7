// Dialog templates, control ids and timers of the skinned toolkit's windows. Plain #defines, so
// that resources/dialogs.rc can use them too.
#pragma once

// The question box and its buttons (OK and Cancel are IDOK and IDCANCEL).
#define IDD_CUSTOM_MESSAGE_BOX 164
#define IDC_MSGBOX_CLOSE 1001

// The cache-cleaning overlay and its animation timer.
#define IDD_OVERLAY 274
#define IDT_OVERLAY 5000
#define IDT_OVERLAY_PERIOD_MS 200
