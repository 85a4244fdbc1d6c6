#include "ListMessages.h"

const UINT s_wm_CHRO_CHECK = RegisterWindowMessageA("s_wm_CHRO_CHECK");
const UINT s_wm_CHRO_UPDATE = RegisterWindowMessageA("s_wm_CHRO_UPDATE");
const UINT s_wm_CHRO_LISTCTRL_CONTEXTMENU = RegisterWindowMessageA("s_wm_CHRO_LISTCTRL_CONTEXTMENU");
const UINT s_wm_CHRO_DELETEKEY = RegisterWindowMessageA("s_wm_CHRO_DELETEKEY");
const UINT s_wm_CHRO_LAUNCH = RegisterWindowMessageA("s_wm_CHRO_LAUNCH");
const UINT s_wm_CHRO_TAB = RegisterWindowMessageA("s_wm_CHRO_TAB");
const UINT s_wm_CHRO_DRAGGED = RegisterWindowMessageA("s_wm_CHRO_DRAGGED");

const UINT WM_GROUP_UPDATE = RegisterWindowMessageA("WM_GROUP_UPDATE");
const UINT s_wm_GROUP_SELECTED = RegisterWindowMessageA("s_wm_GROUP_SELECTED");
const UINT s_wm_GROUP_LISTCTRL_CONTEXTMENU = RegisterWindowMessageA("s_wm_GROUP_LISTCTRL_CONTEXTMENU");
const UINT s_wm_GROUP_DELETEKEY = RegisterWindowMessageA("s_wm_GROUP_DELETEKEY");
const UINT s_wm_GROUP_LAUNCH = RegisterWindowMessageA("s_wm_GROUP_LAUNCH");
const UINT s_wm_GROUP_CHECK = RegisterWindowMessageA("s_wm_GROUP_CHECK");
const UINT s_wm_GROUP_TAB = RegisterWindowMessageA("s_wm_GROUP_TAB");
const UINT s_wm_GROUP_DRAGGED = RegisterWindowMessageA("s_wm_GROUP_DRAGGED");
