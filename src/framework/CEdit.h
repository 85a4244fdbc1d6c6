#pragma once

#include "CWnd.h"

#include <commctrl.h>

// An edit control. Thin: each member sends one message.
class CEdit : public CWnd {
public:
    // EM_LIMITTEXT: the most characters the box takes from typing.
    void SetLimitText(UINT maxChars) { SendMessage(EM_LIMITTEXT, maxChars, 0); }
    UINT GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT, 0, 0)); }
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ReplaceSel(const char* text) { SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text)); }
    void SetReadOnly(bool readOnly) { SendMessage(EM_SETREADONLY, readOnly, 0); }
};
