// The program's entry point: the one application object runs InitInstance, its message
// loop and ExitInstance. Linked only into programs that have a WinMain-style entry.
#include "CWinApp.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    return AfxWinMain();
}
