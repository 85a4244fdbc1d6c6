#pragma once

#include "CImageList.h"
#include "CListCtrl.h"
#include "ListMessages.h"

#include <string>
#include <vector>

// What the chromatogram and group lists share: two columns, the play-button icon, check
// marks drawn as state images, hit tests at the mouse cursor, selection helpers and the
// pointing-hand cursor over a row's icon.
// The rows (texts, data and check marks) are this object's own: the list view is an owner-data
// one, which keeps only the selection and focus and asks for the rest when it draws, finds or
// is read. A list view that held ten thousand rows itself took 0.8 to 2 KB of memory a row
// and most of a refresh's time.
class CCheckListCtrl : public CListCtrl {
public:
    // A row: both texts, its data and its check mark.
    struct SRow {
        std::string first;
        std::string second;
        DWORD data = 0;
        bool checked = false;
    };

    ~CCheckListCtrl() override;

    void ClearItems();
    // The rows, read from this object rather than asked of the list view.
    int GetItemCount() const { return static_cast<int>(m_rows.size()); }
    // The row's data; 0 for a row that does not exist.
    DWORD_PTR GetItemData(int nItem) const;
    std::string GetItemText(int nItem, int nSubItem) const;
    // The check mark, drawn as state image 2 (checked) or 1.
    BOOL SetCheck(int nItem, BOOL checked = TRUE);
    BOOL GetCheck(int nItem) const;
    // Selects and focuses one row, deselecting the others, without moving the keyboard focus.
    void SetSelectedAndFocused(int nItem);
    // Deselects every row, leaving the focus where it is.
    void ClearSelection();
    // First selected row from the top; false, nItem untouched, when none is selected.
    bool GetSelectedItem(int& nItem) const;
    bool GetSelectedItemData(DWORD& data) const;
    // The first selected row, -1 when none is.
    int SelectedRow() const;
    bool IsCurrentItemChecked() const;
    // The row whose check mark the user changed last (0 until then).
    int GetCurrentItem() const { return m_nCurrentItem; }
    // The payload of the notification this list is sending now, when lParam points to it;
    // nullptr for any other lParam (a message posted by name from anywhere).
    const SListNotify* NotifyOf(LPARAM lParam) const;
    // The payload lParam carries; for a message posted without one, the same read from the
    // list now. currentRow: the row is the one whose mark changed last, else the selected row.
    SListNotify Notification(LPARAM lParam, bool currentRow = false) const;

    // Hit tests at the mouse cursor's present position.
    bool IsCursorOnItemIcon() const;
    bool IsCursorOnItem() const;
    // Stores the row hit (-1 for none); true only on a check box, with its mark in checked.
    bool IsCursorOnCheckBox(int& nItem, bool& checked) const;
    // With the cursor off the rows, gives the selection back to the focused row.
    void ReselectFocusedItem(LRESULT* pResult);
    // A rebuild empties the list; rows added until EndRebuild go in unselected, and
    // EndRebuild then selects and focuses row select, when it is one of the rows, or else the
    // last row added, which is where adding each row selected and focused leaves the
    // selection. Moving a single selection row by row costs milliseconds a row in some list
    // views, and some scroll to each row focused and paint there and then. With keepPlace
    // the list view keeps its scroll position, and its count until EndRebuild, rather than
    // starting again from the top.
    void BeginRebuild(bool keepPlace = false);
    void EndRebuild(int select = -1);
    // Puts row in place of the row at nItem and draws it again; false when there is no such row.
    bool SetRow(int nItem, SRow row);
    // Removes `removed` rows at nItem and inserts `added` there; the list view is told the
    // new count, when it changed, and draws its rows again. The selection and focus stay on
    // the row numbers they were on. False, with nothing changed, when the rows to remove are
    // not all there.
    bool SpliceRows(int nItem, int removed, std::vector<SRow> added);
    // Gives every column the width, but ends the last one at the right of the client area
    // when it would reach past it: the border makes the client area narrower than the
    // window the widths were shared from, and the overhang would bring a scroll bar.
    void SetColumnWidths(int width);
    // Shows the play icons and check boxes of the image set drawn nearest the DPI.
    void SetImageDpi(UINT dpi);

    // Rows dragged with the left button (the list view's begin-drag, then the mouse captured):
    // the row a dragged row would land on shows the drop highlight, and the release sends the
    // parent dragMessage with the row dragged and, as target, the row it lands on; a release
    // on the row itself sends nothing. Escape, a lost capture or a rebuild of the rows cancels.
    // Without a message (the default) rows are not dragged.
    void EnableRowDrag(UINT dragMessage) { m_nDragMessage = dragMessage; }
    bool IsDragging() const { return m_nDragRow >= 0; }

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    CCheckListCtrl(const char* firstColumn, const char* secondColumn);

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    // Inserts a selected, focused row (unselected during a rebuild) with both texts, its data
    // and its check mark; the row's index, or -1 for a position outside 0 to the count (then
    // nothing is changed).
    int InsertRow(int nItem, const char* first, const char* second, DWORD data, bool checked);
    // Sends a registered message to the parent window, if there is one, with the payload of
    // row (see SListNotify).
    void NotifyParent(UINT message, int row, int target = -1);
    // The same once the message being handled now has been handled to its end, for
    // notifications raised inside the list view's own handling of a key or a change of state:
    // their handlers open message boxes and rebuild the lists, which must not happen under
    // the list view's feet, and they must see the state the list view leaves (the selection
    // a key moved). The payload is read when the message is sent. currentRow: the payload's
    // row is the row whose mark changed, else the selected row.
    void NotifyParentLater(UINT message, bool currentRow = false);
    // What a notification of the message says about row as the list stands.
    SListNotify Describe(UINT message, int row) const;
    // Fits the columns from first on: each to the larger (or smaller) of its content and
    // header widths.
    void FitColumns(int first, bool larger);
    // Hit test at a client point; the flags, with the row hit in nItem.
    UINT HitFlagsAt(POINT client, int* nItem) const;
    // Every row goes, whoever asked the list view to delete them all.
    LRESULT OnDeleteAllItems(WPARAM, LPARAM);
    LRESULT OnReselect(NMHDR*)
    {
        LRESULT result = 0;
        ReselectFocusedItem(&result);
        return result;
    }

    // (Re)creates the check box images for the list's DPI and gives them to the list view.
    void AttachStateImages();

    int m_nCurrentItem = 0;
    UINT m_nDpi = 96;
    CImageList m_imlIcons;
    CImageList m_imlStates;

private:
    bool IsRow(int nItem) const { return nItem >= 0 && nItem < GetItemCount(); }
    // Tells the list view how many rows there are, keeping its scroll position.
    void SyncItemCount();
    int OnCreate(CREATESTRUCTA* cs);
    // The list view asks for what it draws or is read: texts, the icon and the check mark.
    LRESULT OnGetDispInfo(NMHDR* header);
    // The list view looks for a row by its text (typing a name's first letters) or its data.
    LRESULT OnFindItem(NMHDR* header);
    LRESULT OnDestroy(WPARAM, LPARAM);
    // A notification NotifyParentLater put off: wParam the message, lParam its row kind.
    LRESULT OnDeferredNotify(WPARAM wParam, LPARAM lParam);
    void OnMouseMove(UINT, POINT pt);
    UINT CursorHitFlags(int* nItem) const;
    // The drag of a row: begun by the list view, followed by the moves, ended by the release,
    // Escape (other keys do nothing meanwhile) or the capture going elsewhere.
    LRESULT OnBeginDrag(NMHDR* header);
    void OnLButtonUp(UINT, POINT pt);
    LRESULT OnDragKey(WPARAM key, LPARAM);
    LRESULT OnCaptureChanged(WPARAM, LPARAM newCapture);
    // The row a dragged row lands on with the pointer at pt: the row under it, the first or
    // last row beyond the ends, one row past the visible ones above or below them.
    int DropRowAt(POINT pt) const;
    // Moves the drop highlight to row (-1: none) and scrolls it into view.
    void ShowDropRow(int row);
    // Drops the highlight and the capture; the drag is over.
    void EndDrag();

    const char* m_pszFirstColumn;
    const char* m_pszSecondColumn;
    std::vector<SRow> m_rows;
    bool m_bRebuilding = false;
    int m_nLastInserted = -1;
    const SListNotify* m_pSending = nullptr;   // the payload of the notification being sent
    UINT m_nDragMessage = 0;
    int m_nDragRow = -1;   // the row being dragged, -1 when none is
    int m_nDropRow = -1;   // the row it would land on
    mutable int m_nSelectedHint = -1;          // the row last known selected
};
