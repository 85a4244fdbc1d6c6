// Resource ids of Vantrace. Plain defines: the resource scripts include this file too.
#pragma once

#include "FrameworkIds.h"

// Main frame: menu, accelerators, icon and title string share this id.
#define IDR_MAINFRAME            128
#define IDR_TOOLBAR              136   // toolbar resource: the button ids
#define IDD_GROUP_DETAILS        138
#define IDD_CHROMATOGRAM_DETAILS 139
#define IDR_CONTEXT_MENUS        140   // popup 0: groups, popup 1: chromatograms
#define IDD_TRANSFER_PREVIEW     160   // what a paste or an import will add
#define IDD_EXPORT               161   // what File Export writes

// List controls.
#define IDB_PLAY          149   // one 20x20 play button
#define IDC_POINTING_HAND 150   // cursor over a row's icon
#define IDB_CHECKBOXES    151   // empty box, ticked box (20x20 each)

// Toolbar image strips: ten 20x20 images each.
#define IDB_TOOLBAR_NORMAL   152
#define IDB_TOOLBAR_DISABLED 153
#define IDB_TOOLBAR_HOT      154

// Commands.
#define ID_GROUP_ADD       32774
#define ID_GROUP_DELETE    32775
#define ID_CHRO_ADD        32776
#define ID_CHRO_DELETE     32777
#define ID_CHRO_MOVE_UP    32779
#define ID_CHRO_MOVE_DOWN  32780
#define ID_CHRO_DUPLICATE  32786
#define ID_CHRO_EDIT       32787
#define ID_GROUP_EDIT      32788
#define ID_VIEW_MINIMISE   32789
#define ID_GROUP_DUPLICATE 32795
#define ID_AUTOMATE        32796
#define ID_GROUP_NEXT      32798
#define ID_GROUP_PREVIOUS  32799
#define ID_EDIT_COPY_ALL   32802   // Copy All Chromatograms
#define ID_FILE_EXPORT     32803
#define ID_FILE_IMPORT     32804
#define ID_GROUP_MOVE_UP   32800
#define ID_GROUP_MOVE_DOWN 32801

// Dialog titles.
#define IDS_ADD_CHROMATOGRAM       61209
#define IDS_EDIT_CHROMATOGRAM      61210
#define IDS_DUPLICATE_CHROMATOGRAM 61211
#define IDS_ADD_GROUP              61212
#define IDS_EDIT_GROUP             61213
#define IDS_DUPLICATE_GROUP        61214
#define IDS_PASTE_TITLE            61260
#define IDS_IMPORT_TITLE           61261

// Names of the edit steps, as "Undo <name>" and "Redo <name>" show them.
#define IDS_STEP_ADD_GROUP              61230
#define IDS_STEP_EDIT_GROUP             61231
#define IDS_STEP_DUPLICATE_GROUP        61232
#define IDS_STEP_DELETE_GROUP           61233
#define IDS_STEP_MOVE_GROUP_UP          61234
#define IDS_STEP_MOVE_GROUP_DOWN        61235
#define IDS_STEP_CHECK_GROUP            61236
#define IDS_STEP_UNCHECK_GROUP          61237
#define IDS_STEP_ADD_CHROMATOGRAM       61238
#define IDS_STEP_EDIT_CHROMATOGRAM      61239
#define IDS_STEP_DUPLICATE_CHROMATOGRAM 61240
#define IDS_STEP_DELETE_CHROMATOGRAM    61241
#define IDS_STEP_MOVE_UP                61242
#define IDS_STEP_MOVE_DOWN              61243
#define IDS_STEP_CHECK_CHROMATOGRAM     61244
#define IDS_STEP_UNCHECK_CHROMATOGRAM   61245
#define IDS_STEP_PASTE                  61246   // a paste or an import

// Recovery of unsaved edits and lists changed by another writer; %s is the list's name.
#define IDS_RECOVERY_OFFER              61270
#define IDS_RECOVERY_DAMAGED            61271
#define IDS_CHANGED_ON_DISK             61272
#define IDS_RELOADED_FROM_DISK          61273

// Group Details (138).
#define IDC_GROUP_NAME           1000
#define IDC_GROUP_COMMENT        1001
#define IDC_GROUP_BASED_ON       1025
#define IDC_GROUP_BASED_ON_LABEL 1026
#define IDC_RANGE_USE_CURRENT    1033
#define IDC_RANGE_RESET          1034
#define IDC_RANGE_SPECIFY        1035
#define IDC_START_X_LABEL        1036
#define IDC_START_X              1037
#define IDC_END_X_LABEL          1038
#define IDC_END_X                1039
#define IDC_DISPLAY_RANGE_GROUP  1040

// Chromatogram Details (139).
#define IDC_CHRO_NAME           1005
#define IDC_CHRO_TYPE           1008
#define IDC_CHRO_MASS           1011
#define IDC_ANALOGUE_LABEL      1012
#define IDC_MASS_LABEL          1013
#define IDC_CHRO_BASED_ON_LABEL 1014
#define IDC_FUNCTION_LABEL      1015
#define IDC_CHANNEL             1020
#define IDC_CHRO_BASED_ON       1021
#define IDC_FUNCTION            1041
#define IDC_FUNCTION_SPIN       1042

// Transfer preview (160) and export choice (161).
#define IDC_PREVIEW_SUMMARY 1100
#define IDC_PREVIEW_ROWS    1101
#define IDC_PREVIEW_REFUSED 1102
#define IDC_EXPORT_GROUP    1110
#define IDC_EXPORT_LIST     1111
