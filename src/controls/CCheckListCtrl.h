#pragma once

#include "CImageList.h"
#include "CListCtrl.h"

// What the chromatogram and group lists share: two columns, the play-button icon, check
// marks drawn as state images, hit tests at the mouse cursor, selection helpers and the
// pointing-hand cursor over a row's icon.
class CCheckListCtrl : public CListCtrl {
public:
    ~CCheckListCtrl() override;

    void ClearItems();
    // First selected row from the top; false, nItem untouched, when none is selected.
    bool GetSelectedItem(int& nItem) const;
    bool GetSelectedItemData(DWORD& data) const;
    bool IsCurrentItemChecked() const;
    // The row whose check mark the user changed last (0 until then).
    int GetCurrentItem() const { return m_nCurrentItem; }

    // Hit tests at the mouse cursor's present position.
    bool IsCursorOnItemIcon() const;
    bool IsCursorOnItem() const;
    // Stores the row hit (-1 for none); true only on a check box, with its mark in checked.
    bool IsCursorOnCheckBox(int& nItem, bool& checked) const;
    // With the cursor off the rows, gives the selection back to the focused row.
    void ReselectFocusedItem(LRESULT* pResult);
    // A rebuild empties the list; rows added until EndRebuild go in unselected, and
    // EndRebuild then selects and focuses the last row added, which is where adding each row
    // selected and focused leaves the selection. Moving a single selection row by row costs
    // milliseconds a row in some list views. Callers turn redraw off around a rebuild.
    void BeginRebuild();
    void EndRebuild();
    // Gives every column the width, but ends the last one at the right of the client area
    // when it would reach past it: the border makes the client area narrower than the
    // window the widths were shared from, and the overhang would bring a scroll bar.
    void SetColumnWidths(int width);

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    CCheckListCtrl(const char* firstColumn, const char* secondColumn);

    // Inserts a selected, focused row (unselected during a rebuild) with both texts, its data
    // and its check mark; the row's index, or -1 when the list view refused the row (then
    // nothing else is changed).
    int InsertRow(int nItem, const char* first, const char* second, DWORD data, bool checked);
    // Posts a registered message to the parent window, if there is one.
    void PostToParent(UINT message) const;
    // Fits the columns from first on: each to the larger (or smaller) of its content and
    // header widths.
    void FitColumns(int first, bool larger);
    // Hit test at a client point; the flags, with the row hit in nItem.
    UINT HitFlagsAt(POINT client, int* nItem) const;
    // Selected and focused states for one row.
    void SetSelectedAndFocused(int nItem);
    LRESULT OnReselect(NMHDR*)
    {
        LRESULT result = 0;
        ReselectFocusedItem(&result);
        return result;
    }

    int m_nCurrentItem = 0;
    CImageList m_imlIcons;
    CImageList m_imlStates;

private:
    int OnCreate(CREATESTRUCTA* cs);
    LRESULT OnDestroy(WPARAM, LPARAM);
    void OnMouseMove(UINT, POINT);
    UINT CursorHitFlags(int* nItem) const;

    const char* m_pszFirstColumn;
    const char* m_pszSecondColumn;
    bool m_bRebuilding = false;
    int m_nLastInserted = -1;
};
