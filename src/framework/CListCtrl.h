#pragma once

#include "CWnd.h"

#include <commctrl.h>

#include <string>

class CImageList;

// A list view control (SysListView32). Each member sends the list view one message.
class CListCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Rows.
    int GetItemCount() const;
    // LVM_INSERTITEM; the index of the new row, or -1.
    int InsertItem(UINT mask, int nItem, const char* text, UINT state, UINT stateMask, int image, LPARAM lParam);
    int InsertItem(int nItem, const char* text);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL SetItemText(int nItem, int nSubItem, const char* text);
    std::string GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR data);
    // LVM_GETITEM for the item's data; 0 for a row that does not exist.
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT state, UINT mask);
    UINT GetItemState(int nItem, UINT mask) const;
    // The check mark kept in the state-image bits: state image 2 checked, 1 not checked.
    BOOL SetCheck(int nItem, BOOL checked = TRUE);
    // TRUE only when the row shows state image 2.
    BOOL GetCheck(int nItem) const;
    // LVM_GETNEXTITEM: the next row after nItem (-1: from the start) with the LVNI_* flags.
    int GetNextItem(int nItem, int flags) const;
    BOOL GetItemRect(int nItem, RECT* rect, UINT code) const;
    // LVM_HITTEST fills info (flags, row) for info->pt; the row hit, or -1.
    int HitTest(LVHITTESTINFO* info) const;

    // Columns.
    int InsertColumn(int nCol, const char* heading, int format = LVCFMT_LEFT, int width = -1);
    BOOL DeleteColumn(int nCol);
    BOOL SetColumnWidth(int nCol, int cx);
    int GetColumnWidth(int nCol) const;
    HWND GetHeaderCtrl() const;
    // HDM_GETITEMCOUNT sent to the header control.
    int GetHeaderItemCount() const;

    // LVM_SETEXTENDEDLISTVIEWSTYLE with mask 0: the style replaces every extended style.
    DWORD SetExtendedStyle(DWORD exStyle);
    DWORD GetExtendedStyle() const;
    // LVM_SETIMAGELIST (LVSIL_SMALL, LVSIL_STATE, ...); the list that was there before.
    HIMAGELIST SetImageList(HIMAGELIST images, int type);
    HIMAGELIST SetImageList(const CImageList* images, int type);
    HIMAGELIST GetImageList(int type) const;
    // WM_SETREDRAW.
    void SetRedraw(BOOL redraw = TRUE);
};
