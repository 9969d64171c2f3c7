// Resource identifiers shared by the .rc files and the code.
#pragma once

// String table.
#define IDS_PRODUCT_NAME 102
#define IDS_COMPANY_NAME 105
#define IDS_LAUNCHER_TITLE 107
#define IDS_UNINSTALL_TITLE 109
#define IDS_LOGIN_PAGE_URL 114
#define IDS_CACHE_CLEANING 116
#define IDS_MAKER_FOLDER_INNER 117
#define IDS_UPDATE_TEMP_EXE 118
#define IDS_UPDATE_FOLDER_PREFIX 119
#define IDS_UNINSTALL_COPY 120
#define IDS_MAKER_FOLDER_OUTER 124
#define IDS_PUBLISHER_SECTION 125
#define IDS_VERSION_SERVER 191
#define IDS_VERSION_QUERY 192
#define IDS_SETTINGS_FILE 197

// The embedded archive (resource type "ZIP").
#define IDR_EMBEDDED_ZIP 269

// Tray menu and its commands.
#define IDR_TRAY_MENU 151
#define ID_TRAY_SHOWHIDE 32775
#define ID_TRAY_CLEANCACHE 32776
#define ID_TRAY_EXIT 32777

// The frame's accelerators: F5 gives a command that does nothing, so F5 never reaches the page.
#define IDR_FRAME_ACCELERATORS 303
#define ID_ACCEL_REFRESH 32778

// The application icon (window, tray, executable).
#define IDI_MAIN_ICON 273
