#include "CGroupListCtrl.h"

#include "AppCaption.h"
#include "CWinApp.h"
#include "ListMessages.h"
#include "MessageBox.h"
#include "resource.h"

const MessageMap* CGroupListCtrl::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Mouse<&CGroupListCtrl::OnLButtonDown>(WM_LBUTTONDOWN),
        msg::Mouse<&CGroupListCtrl::OnRButtonDown>(WM_RBUTTONDOWN),
        msg::ReflectNotify<&CGroupListCtrl::OnReselect>(NM_DBLCLK),
        msg::ReflectNotify<&CGroupListCtrl::OnKeyDown>(LVN_KEYDOWN),
        msg::ReflectNotify<&CGroupListCtrl::OnItemChanged>(LVN_ITEMCHANGED),
    };
    static const MessageMap map = MakeMessageMap(&CCheckListCtrl::GetThisMessageMap, entries);
    return &map;
}

CGroupListCtrl::CGroupListCtrl() : CCheckListCtrl("Group Name", "Group Comment")
{
    EnableRowDrag(s_wm_GROUP_DRAGGED);
}

CGroupListCtrl::~CGroupListCtrl() = default;

BOOL CGroupListCtrl::AddItem(int nItem, DWORD data, const char* name, const char* comment, bool checked)
{
    const int row = InsertRow(nItem, name, comment, data, checked);
    if (row < 0)
        return FALSE;
    if (checked)
        m_nCurrentItem = row;
    return TRUE;
}

bool CGroupListCtrl::SetItem(int nItem, DWORD data, const char* name, const char* comment, bool checked)
{
    if (!SetRow(nItem, SRow{name ? name : "", comment ? comment : "", data, checked}))
        return false;
    if (checked)
        m_nCurrentItem = nItem;
    return true;
}

void CGroupListCtrl::SelectItem(int nItem)
{
    SetSelectedAndFocused(nItem);
    CWnd* main = AfxGetMainWnd();
    if (main && main->m_hWnd && main->IsWindowVisible())
        SetFocus();
}

bool CGroupListCtrl::SelectAfterDelete(int count, int& nItem)
{
    if (count <= 0)
        return false;
    if (nItem == count)
        nItem = count - 1;
    SetItemState(nItem, LVIS_SELECTED, LVIS_SELECTED);
    return true;
}

bool CGroupListCtrl::GetFirstCheckedItemData(DWORD& data)
{
    const int count = GetItemCount();
    for (int row = 0; row < count; ++row) {
        m_nCurrentItem = row;
        if (GetCheck(row)) {
            data = static_cast<DWORD>(GetItemData(row));
            return true;
        }
    }
    return false;
}

void CGroupListCtrl::UncheckAll()
{
    const int count = GetItemCount();
    for (int row = 0; row < count; ++row)
        SetCheck(row, FALSE);
}

// The check marks stay in the rows; only their drawing goes with the state image list.
void CGroupListCtrl::EnableChecks(bool enable)
{
    const bool attached = m_imlStates.GetSafeHandle() != nullptr;
    if (enable && !attached) {
        AttachStateImages();
    } else if (!enable && attached) {
        SetImageList(static_cast<HIMAGELIST>(nullptr), LVSIL_STATE);
        m_imlStates.DeleteImageList();
    }
    if (enable != attached) {
        Invalidate(TRUE);
        UpdateWindow();
    }
    m_bChecksEnabled = enable;
}

void CGroupListCtrl::AutoSizeColumns()
{
    FitColumns(1, false);
}

// Presses off the rows do nothing of ours. On the icon or the label the group is picked;
// on a check box the radio rule applies. The parent hears of the press once the list view
// has handled it, with the selection it leaves.
void CGroupListCtrl::OnLButtonDown(UINT, POINT pt)
{
    int row = -1;
    if (!(HitFlagsAt(pt, &row) & LVHT_ONITEM)) {
        Default();
        return;
    }
    int boxRow = -1;
    bool checked = false;
    UINT press = WM_GROUP_UPDATE;
    if (IsCursorOnCheckBox(boxRow, checked)) {
        if (m_bChecksEnabled && !OnCheckBoxPress(boxRow, checked))
            return;
        press = m_bChecksEnabled ? s_wm_GROUP_CHECK : 0;
    } else if (!IsCursorOnItemIcon()) {
        SelectItem(row);
    }
    Default();
    if (press)
        NotifyParent(press, press == s_wm_GROUP_CHECK ? m_nCurrentItem : SelectedRow());
}

bool CGroupListCtrl::OnCheckBoxPress(int nItem, bool checked)
{
    if (checked) {
        ShowMessageBox(m_hWnd, LoadResourceString(IDS_KEEP_ONE_CHECKED).c_str(), kAppCaption, MB_OK);
        return false;
    }
    m_nCurrentItem = nItem;
    UncheckAll();
    SetCheck(nItem, TRUE);
    return true;
}

// The menu opens once the list view has selected the row pressed.
void CGroupListCtrl::OnRButtonDown(UINT, POINT)
{
    Default();
    NotifyParent(s_wm_GROUP_LISTCTRL_CONTEXTMENU, SelectedRow());
}

// Presses on a check box, right-clicks and keys move the selection inside the list view;
// the parent hears of every move, whatever made it, once the move is over.
LRESULT CGroupListCtrl::OnItemChanged(NMHDR* header)
{
    const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
    if ((change->uChanged & LVIF_STATE) && ((change->uOldState ^ change->uNewState) & LVIS_SELECTED))
        NotifyParentLater(s_wm_GROUP_SELECTED);
    return 0;
}

// Launch and Tab change no row and open no window, so the parent hears of them at once; the
// rest waits until the list view has handled the key (see NotifyParentLater).
LRESULT CGroupListCtrl::OnKeyDown(NMHDR* header)
{
    int selected = 0;
    switch (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey) {
    case VK_SPACE:   // a press on the selected row's check box, as a click would be
        if (m_bChecksEnabled && GetSelectedItem(selected))
            OnCheckBoxPress(selected, GetCheck(selected) != FALSE);
        break;
    case VK_DELETE:
        NotifyParentLater(s_wm_GROUP_DELETEKEY);
        break;
    case VK_RETURN:
        NotifyParent(s_wm_GROUP_LAUNCH, SelectedRow());
        break;
    case VK_TAB:
        NotifyParent(s_wm_GROUP_TAB, SelectedRow());
        break;
    case VK_UP:
    case VK_DOWN:
        NotifyParentLater(WM_GROUP_UPDATE);
        break;
    default:
        break;
    }
    return 0;
}
