#pragma once

#include <windows.h>

// Registered window messages that the two list controls send to their parent, as the common
// controls notify theirs: wParam 0, lParam pointing to an SListNotify that holds what
// happened, valid for the length of the send. Each is registered by name during static
// initialisation. Anyone may post these messages by name; such a message carries no payload
// the list vouches for (CCheckListCtrl::NotifyOf gives none), and its handler reads the lists.
//
// When: a mouse press is told once the list view has handled the press (the selection it
// leaves is the one the payload names). Enter and Tab are told at once. Delete, Space, Up,
// Down and a change of the group selection are told once the list view has handled the key
// or the change to its end: their handlers open message boxes and rebuild the lists, which
// must not happen inside the list view's own handling, and Up and Down must see the row the
// list view moved to.

// What happened: the header (the list, its id, code = the registered message), the row
// acted on with its record id and check mark, and whether the mouse pointer was on the
// row's icon.
struct SListNotify {
    NMHDR hdr{};
    int row = -1;   // the row whose mark changed (check messages), else the selected row; -1: none
    DWORD id = 0;   // the row's item data, 0 without a row
    bool checked = false;
    bool onIcon = false;
    int target = -1;   // a dragged row's message: the row it was dropped on
};

// Chromatogram list.
extern const UINT s_wm_CHRO_CHECK;                  // a row's check mark was toggled
extern const UINT s_wm_CHRO_UPDATE;                 // the selection may have changed
extern const UINT s_wm_CHRO_LISTCTRL_CONTEXTMENU;   // right button press
extern const UINT s_wm_CHRO_DELETEKEY;
extern const UINT s_wm_CHRO_LAUNCH;
extern const UINT s_wm_CHRO_TAB;
extern const UINT s_wm_CHRO_DRAGGED;   // a row was dragged onto another (row, target)

// Group list.
extern const UINT WM_GROUP_UPDATE;       // a group was picked (mouse, Up, Down)
extern const UINT s_wm_GROUP_SELECTED;   // the selected row changed, by any route
extern const UINT s_wm_GROUP_LISTCTRL_CONTEXTMENU;
extern const UINT s_wm_GROUP_DELETEKEY;
extern const UINT s_wm_GROUP_LAUNCH;
extern const UINT s_wm_GROUP_CHECK;   // the check moved to another group
extern const UINT s_wm_GROUP_TAB;
extern const UINT s_wm_GROUP_DRAGGED;   // a row was dragged onto another (row, target)
