#pragma once

#include "CCheckListCtrl.h"

// The chromatograms of the selected group: name, description, a check mark for taking part
// in a launch, and a play-button icon. User actions become registered messages sent to the
// parent window.
class CChroListCtrl : public CCheckListCtrl {
public:
    CChroListCtrl();
    ~CChroListCtrl() override;

    // Inserts a selected, focused row at nItem; FALSE for a negative position.
    BOOL AddItem(int nItem, const char* name, const char* description, DWORD data, bool checked);
    void CountItems(int& count) const;
    bool HasItems(int& count) const;
    void GetCurrentItemData(DWORD& data) const;
    // First row from the top whose item data is data.
    bool FindItemByData(DWORD data, int& nItem) const;
    void SelectItem(int nItem);
    // After a row at nItem was deleted, leaving count rows: selects the row that took its
    // place, or the new last row. False when the list is empty.
    bool SelectAfterDelete(int count, int& nItem);
    // Each column to the larger of its content and header widths.
    void AutoSizeColumns();

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    void OnLButtonDown(UINT, POINT pt);
    void OnRButtonDown(UINT, POINT);
    LRESULT OnDoubleClick(NMHDR*);
    LRESULT OnKeyDown(NMHDR* header);
};
