#pragma once

#include "CWnd.h"

// A combo box. Thin: each member sends one message; indexes are CB_ERR where none applies.
class CComboBox : public CWnd {
public:
    // CB_ADDSTRING: the index of the new item (in sorted order for a sorted box).
    int AddString(const char* text) { return Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT, 0, 0); }
    int GetCount() const { return Send(CB_GETCOUNT, 0, 0); }
    int GetCurSel() const { return Send(CB_GETCURSEL, 0, 0); }
    int SetCurSel(int index) { return Send(CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    DWORD_PTR GetItemData(int index) const { return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, index, 0)); }
    int SetItemData(int index, DWORD_PTR data) { return Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data); }
    // CB_GETLBTEXTLEN: the length of an item's text, without the terminator.
    int GetLBTextLen(int index) const { return Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0); }
    // CB_GETLBTEXT: copies an item's text into buffer, which holds GetLBTextLen + 1 characters.
    int GetLBText(int index, char* buffer) const
    {
        return Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    }
    // CB_SHOWDROPDOWN: opens or closes the list.
    void ShowDropDown(bool show) { SendMessage(CB_SHOWDROPDOWN, show, 0); }

private:
    int Send(UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return static_cast<int>(SendMessage(message, wParam, lParam));
    }
};
