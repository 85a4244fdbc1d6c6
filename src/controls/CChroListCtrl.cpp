#include "CChroListCtrl.h"

#include "ListMessages.h"

const MessageMap* CChroListCtrl::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Mouse<&CChroListCtrl::OnLButtonDown>(WM_LBUTTONDOWN),
        msg::Mouse<&CChroListCtrl::OnRButtonDown>(WM_RBUTTONDOWN),
        msg::ReflectNotify<&CChroListCtrl::OnDoubleClick>(NM_DBLCLK),
        msg::ReflectNotify<&CChroListCtrl::OnKeyDown>(LVN_KEYDOWN),
    };
    static const MessageMap map = MakeMessageMap(&CCheckListCtrl::GetThisMessageMap, entries);
    return &map;
}

CChroListCtrl::CChroListCtrl() : CCheckListCtrl("Name", "Description")
{
    EnableRowDrag(s_wm_CHRO_DRAGGED);
}

CChroListCtrl::~CChroListCtrl() = default;

BOOL CChroListCtrl::AddItem(int nItem, const char* name, const char* description, DWORD data, bool checked)
{
    return InsertRow(nItem, name, description, data, checked) >= 0;
}

void CChroListCtrl::CountItems(int& count) const
{
    count = GetItemCount();
}

bool CChroListCtrl::HasItems(int& count) const
{
    count = GetItemCount();
    return count > 0;
}

void CChroListCtrl::GetCurrentItemData(DWORD& data) const
{
    data = static_cast<DWORD>(GetItemData(m_nCurrentItem));
}

bool CChroListCtrl::FindItemByData(DWORD data, int& nItem) const
{
    const int count = GetItemCount();
    for (int row = 0; row < count; ++row) {
        if (GetItemData(row) == data) {
            nItem = row;
            return true;
        }
    }
    return false;
}

void CChroListCtrl::SelectItem(int nItem)
{
    SetSelectedAndFocused(nItem);
}

bool CChroListCtrl::SelectAfterDelete(int count, int& nItem)
{
    if (count <= 0)
        return false;
    if (nItem == count)
        nItem = count - 1;
    SelectItem(nItem);
    return true;
}

void CChroListCtrl::AutoSizeColumns()
{
    FitColumns(0, true);
}

// A press on the icon launches, on the check box toggles that row's mark, elsewhere on a
// row selects it; every press may change the selection. The parent hears of the press once
// the list view has handled it, with the selection it leaves.
void CChroListCtrl::OnLButtonDown(UINT, POINT pt)
{
    int row = -1;
    UINT press = 0;
    if (HitFlagsAt(pt, &row) & LVHT_ONITEM) {
        int boxRow = -1;
        bool checked = false;
        if (IsCursorOnItemIcon()) {
            press = s_wm_CHRO_LAUNCH;
        } else if (IsCursorOnCheckBox(boxRow, checked)) {
            m_nCurrentItem = boxRow;
            SetCheck(boxRow, !checked);
            press = s_wm_CHRO_CHECK;
        } else {
            SelectItem(row);
        }
    }
    Default();
    if (press)
        NotifyParent(press, press == s_wm_CHRO_CHECK ? m_nCurrentItem : SelectedRow());
    NotifyParent(s_wm_CHRO_UPDATE, SelectedRow());
}

void CChroListCtrl::OnRButtonDown(UINT, POINT)
{
    Default();
    NotifyParent(s_wm_CHRO_LISTCTRL_CONTEXTMENU, SelectedRow());
}

// A double-click on a row launches it, except on its check box.
LRESULT CChroListCtrl::OnDoubleClick(NMHDR*)
{
    LRESULT result = 0;
    if (IsCursorOnItem()) {
        int row = -1;
        bool checked = false;
        if (!IsCursorOnCheckBox(row, checked))
            NotifyParent(s_wm_CHRO_LAUNCH, SelectedRow());
    } else {
        ReselectFocusedItem(&result);
    }
    return result;
}

// Launch and Tab change no row and open no window, so the parent hears of them at once; the
// rest waits until the list view has handled the key (see NotifyParentLater).
LRESULT CChroListCtrl::OnKeyDown(NMHDR* header)
{
    int selected = 0;
    GetSelectedItem(selected);
    switch (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey) {
    case VK_DELETE:
        NotifyParentLater(s_wm_CHRO_DELETEKEY);
        break;
    case VK_SPACE:
        SetCheck(selected, !GetCheck(selected));
        m_nCurrentItem = selected;
        NotifyParentLater(s_wm_CHRO_CHECK, true);
        break;
    case VK_RETURN:
        NotifyParent(s_wm_CHRO_LAUNCH, SelectedRow());
        break;
    case VK_TAB:
        NotifyParent(s_wm_CHRO_TAB, SelectedRow());
        break;
    case VK_UP:
    case VK_DOWN:
        NotifyParentLater(s_wm_CHRO_UPDATE);
        break;
    default:
        break;
    }
    return 0;
}
