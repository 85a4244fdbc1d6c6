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
#define IDD_MASS_FORMULA         162   // m/z of a formula and an adduct

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

// Notes of the transfer commands and their preview.
#define IDS_CLIPBOARD_BUSY          61320
#define IDS_PREVIEW_COLUMNS         61321   // %s: the columns a header named
#define IDS_PREVIEW_COLUMNS_IGNORED 61322   // %s: named, %s: ignored
#define IDS_PREVIEW_SAME_NAMED      61323   // %s: the names several groups of the list share

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

// Messages, captions, prompts, file filters and column titles of the workspace and the
// lists; %s stands for a file's name or path.
#define IDS_CAPTION_DELETION            61270
#define IDS_CAPTION_FILE_ERROR          61271
#define IDS_CAPTION_SAVE_FILE           61272
#define IDS_CAPTION_SAVE_AS             61273
#define IDS_SELECT_GROUP                61274
#define IDS_SELECT_CHROMATOGRAM         61275
#define IDS_GROUP_NAME_EMPTY            61276
#define IDS_NO_GROUPS_TO_REMOVE         61277
#define IDS_CONFIRM_DELETE_GROUP        61278
#define IDS_ADD_GROUP_FIRST             61279
#define IDS_CHROMATOGRAM_NAME_EMPTY     61280
#define IDS_CANNOT_DUPLICATE            61281
#define IDS_NO_CHROMATOGRAMS_TO_REMOVE  61282
#define IDS_NO_CHROMATOGRAMS_TO_DELETE  61283
#define IDS_CONFIRM_DELETE_CHROMATOGRAM 61284
#define IDS_CLIPBOARD_HOLDS_NONE        61285
#define IDS_FILE_HOLDS_NONE             61286
#define IDS_NO_GROUPS_TO_EXPORT         61287
#define IDS_WRITE_FAILED                61288
#define IDS_CANNOT_READ_FILE            61289
#define IDS_CANNOT_FIND_FILE            61290
#define IDS_REPLACE_FILE                61291
#define IDS_UNREADABLE_LIST             61292
#define IDS_SAVE_CHANGED                61293
#define IDS_NOT_A_LIST_FILE             61294
#define IDS_RECENT_FILE_FAILED          61295
#define IDS_SAVE_CHANGES_TO             61296
#define IDS_LIST_FILTER                 61297
#define IDS_TABLE_FILTER                61298
#define IDS_CSV_FILTER                  61299
#define IDS_UNDO_COMMAND                61300
#define IDS_REDO_COMMAND                61301
#define IDS_COLUMN_COMMENT              61302
#define IDS_COLUMN_DESCRIPTION          61303
#define IDS_KEEP_ONE_CHECKED            61304
#define IDS_UNTITLED                    61305   // the name of a list not yet saved, before ".vtl"

// Recovery of unsaved edits and lists changed by another writer; %s is the list's name.
#define IDS_RECOVERY_OFFER              61330
#define IDS_RECOVERY_DAMAGED            61331
#define IDS_CHANGED_ON_DISK             61332
#define IDS_RELOADED_FROM_DISK          61333

// Rows dragged within a list (undo names), and files dropped onto the window.
#define IDS_STEP_DRAG_GROUP             61340
#define IDS_STEP_DRAG_CHROMATOGRAM      61341
#define IDS_DROP_UNKNOWN_FILE           61342   // %s: the file's path
#define IDS_DROP_FIRST_LIST_ONLY        61343

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
#define IDC_CHRO_FORMULA        1043   // opens Mass from Formula

// Transfer preview (160) and export choice (161).
#define IDC_PREVIEW_SUMMARY 1100
#define IDC_PREVIEW_ROWS    1101
#define IDC_PREVIEW_REFUSED 1102
#define IDC_EXPORT_GROUP    1110
#define IDC_EXPORT_LIST     1111

// Images drawn for 150% and 200%: the id of the 100% image + 1000 and + 2000, as
// dpi::ArtBitmapId picks them (30x30 and 40x40 images).
#define IDB_PLAY_150             1149
#define IDB_CHECKBOXES_150       1151
#define IDB_TOOLBAR_NORMAL_150   1152
#define IDB_TOOLBAR_DISABLED_150 1153
#define IDB_TOOLBAR_HOT_150      1154
#define IDB_PLAY_200             2149
#define IDB_CHECKBOXES_200       2151
#define IDB_TOOLBAR_NORMAL_200   2152
#define IDB_TOOLBAR_DISABLED_200 2153
#define IDB_TOOLBAR_HOT_200      2154
// Mass from Formula (162).
#define IDC_FORMULA_LABEL 1120
#define IDC_FORMULA       1121
#define IDC_ADDUCT_LABEL  1122
#define IDC_ADDUCT        1123
#define IDC_ION_RESULT    1124   // the live line: the ion's masses or why they cannot be given

// Texts of Mass from Formula and of its button.
#define IDS_FORMULA_BUTTON     61310
#define IDS_MASS_FORMULA_TITLE 61311
#define IDS_FORMULA_LABEL      61312
#define IDS_ADDUCT_LABEL       61313
#define IDS_ION_RESULT         61314   // neutral mass, charge number and sign, m/z
#define IDS_FORMULA_REFUSED    61315   // reason, character position
#define IDS_ADDUCT_REFUSED     61316   // reason, character position
