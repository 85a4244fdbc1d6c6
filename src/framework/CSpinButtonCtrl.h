#pragma once

#include "CWnd.h"

#include <commctrl.h>

// An up-down control. Thin: each member sends one message.
class CSpinButtonCtrl : public CWnd {
public:
    // UDM_SETRANGE32: the range the arrows move the position within.
    void SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    // UDM_GETRANGE32.
    void GetRange32(int& lower, int& upper) const
    {
        SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    }
    int SetPos32(int pos) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, pos)); }
    int GetPos32() const { return static_cast<int>(SendMessage(UDM_GETPOS32, 0, 0)); }
    // UDM_SETBUDDY: the window the control writes its position into.
    HWND SetBuddy(HWND buddy)
    {
        return reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0));
    }
};
