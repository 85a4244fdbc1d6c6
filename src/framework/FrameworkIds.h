#pragma once

// The framework's standard command, window and string ids. Plain defines, so that the
// resource scripts can use them too.

// File and application commands.
#define ID_FILE_NEW       57600
#define ID_FILE_OPEN      57601
#define ID_FILE_SAVE      57603
#define ID_FILE_SAVE_AS   57604
#define ID_FILE_MRU_FILE1 57616
#define ID_FILE_MRU_FILE4 57619
#define ID_APP_ABOUT      57664
#define ID_APP_EXIT       57665
#define ID_HELP_FINDER    57670

// Edit commands.
#define ID_EDIT_COPY  57634
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO  57643
#define ID_EDIT_REDO  57644

// View commands: the bar toggles carry the ids of the bars they toggle.
#define ID_VIEW_TOOLBAR    59392
#define ID_VIEW_STATUS_BAR 59393

// Child window ids inside a frame.
#define AFX_IDW_TOOLBAR    59392   // 0xE800
#define AFX_IDW_STATUS_BAR 59393   // 0xE801
#define AFX_IDW_PANE_FIRST 59648   // 0xE900

// Status bar indicators (their texts are in the string table).
#define ID_SEPARATOR      0
#define ID_INDICATOR_CAPS 59137   // 0xE701
#define ID_INDICATOR_NUM  59138   // 0xE702

// Strings.
#define AFX_IDS_APP_TITLE   57344   // 0xE000
#define AFX_IDS_IDLEMESSAGE 57345   // 0xE001, "Ready"

// MFC's control-bar style bits, kept by the bars beside their window styles.
#define CBRS_ALIGN_TOP    0x2000
#define CBRS_ALIGN_BOTTOM 0x8000
#define CBRS_BORDER_TOP   0x0200
#define CBRS_BOTTOM       (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)
#define CBRS_FLYBY        0x0800
#define CBRS_SIZE_DYNAMIC 0x0020
#define CBRS_TOOLTIPS     0x0010
#define CBRS_ALL          0xFFFF

// The frame style bit that adds the document name to the title; no window style.
#define FWS_ADDTOTITLE 0x8000
