#include "MessageBox.h"

#include "CWinApp.h"
#include "CWnd.h"

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style)
{
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        owner = main ? main->m_hWnd : nullptr;
    }
    CWinApp* app = AfxGetApp();
    if (!caption)
        caption = app ? app->GetAppName().c_str() : "";
    return MessageBoxA(owner, text, caption, style);
}
