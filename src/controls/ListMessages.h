#pragma once

#include <windows.h>

// Registered window messages that the two list controls post to their parent, with
// wParam 0 and lParam 0. Each is registered by name during static initialisation.

// Chromatogram list.
extern const UINT s_wm_CHRO_CHECK;                  // a row's check mark was toggled
extern const UINT s_wm_CHRO_UPDATE;                 // the selection may have changed
extern const UINT s_wm_CHRO_LISTCTRL_CONTEXTMENU;   // right button press
extern const UINT s_wm_CHRO_DELETEKEY;
extern const UINT s_wm_CHRO_LAUNCH;
extern const UINT s_wm_CHRO_TAB;

// Group list.
extern const UINT WM_GROUP_UPDATE;       // a group was picked (mouse, Up, Down)
extern const UINT s_wm_GROUP_SELECTED;   // the selected row changed, by any route
extern const UINT s_wm_GROUP_LISTCTRL_CONTEXTMENU;
extern const UINT s_wm_GROUP_DELETEKEY;
extern const UINT s_wm_GROUP_LAUNCH;
extern const UINT s_wm_GROUP_CHECK;   // the check moved to another group
extern const UINT s_wm_GROUP_TAB;
