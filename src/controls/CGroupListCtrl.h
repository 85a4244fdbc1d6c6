#pragma once

#include "CCheckListCtrl.h"

// The groups of the list: name, comment and the play-button icon. While checks are enabled
// the check boxes act as radio buttons: at most one group is checked, a click moves the
// check, and no click clears it. User actions become registered messages sent to the
// parent window.
class CGroupListCtrl : public CCheckListCtrl {
public:
    CGroupListCtrl();
    ~CGroupListCtrl() override;

    // Inserts a selected, focused row at nItem; a checked row becomes the current item.
    // FALSE when the list view refused the row.
    BOOL AddItem(int nItem, DWORD data, const char* name, const char* comment, bool checked);
    // Shows another group in the row at nItem, as AddItem would have added it; false when
    // there is no such row.
    bool SetItem(int nItem, DWORD data, const char* name, const char* comment, bool checked);
    // Selects and focuses the row; moves the keyboard focus here when the main window shows.
    void SelectItem(int nItem);
    // After a row at nItem was deleted, leaving count rows: selects (without focusing) the
    // row that took its place, or the new last row. False when the list is empty.
    bool SelectAfterDelete(int count, int& nItem);
    // Data of the first checked row, which becomes the current item; false when none is.
    bool GetFirstCheckedItemData(DWORD& data);
    void UncheckAll();
    // Shows the check boxes and lets them answer clicks, or hides them.
    void EnableChecks(bool enable);
    bool AreChecksEnabled() const { return m_bChecksEnabled; }
    // The columns after the first, each to the smaller of its content and header widths.
    void AutoSizeColumns();

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    void OnLButtonDown(UINT, POINT pt);
    // A press on a check box while checks are enabled; false when the press must go no further.
    bool OnCheckBoxPress(int nItem, bool checked);
    void OnRButtonDown(UINT, POINT);
    LRESULT OnKeyDown(NMHDR* header);
    LRESULT OnItemChanged(NMHDR* header);

    bool m_bChecksEnabled = false;
};
