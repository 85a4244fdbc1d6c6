// The workspace window: creation, layout, the two list refreshes, the title, selection and
// focus, and the enabling of commands.
#include "CWorkspaceView.h"

#include "ListMessages.h"
#include "AppCaption.h"
#include "CCmdUI.h"
#include "CMenu.h"
#include "CWinApp.h"
#include "DpiScale.h"
#include "resource.h"
#include "CAppOptions.h"
#include "CWorkspaceData.h"

#include <commctrl.h>

namespace {
const char kWorkspaceClass[] = "VantraceWorkspace";
const DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS
                         | LVS_ALIGNLEFT | LVS_NOSORTHEADER;
const UINT kListId = 1;

// Column and size changes to both lists with their redraw off. A list view lays out its
// header after every such change while it redraws, and under Wine each of those moves costs
// four round trips to the server: hundreds in one start. Redrawn again, each list lays its
// header out once.
class CListsLayout {
public:
    CListsLayout(CListCtrl& first, CListCtrl& second) : m_first(first), m_second(second)
    {
        m_first.SetRedraw(FALSE);
        m_second.SetRedraw(FALSE);
    }
    ~CListsLayout()
    {
        for (CListCtrl* list : {&m_first, &m_second}) {
            list->SetRedraw(TRUE);
            list->Invalidate();
        }
    }
    CListsLayout(const CListsLayout&) = delete;
    CListsLayout& operator=(const CListsLayout&) = delete;

private:
    CListCtrl& m_first;
    CListCtrl& m_second;
};
}   // namespace

const MessageMap* CWorkspaceView::GetThisMessageMap()
{
    using V = CWorkspaceView;
    static const MsgEntry entries[] = {
        msg::Create<&V::OnCreate>(),
        msg::Size<&V::OnSize>(),
        msg::Message<&V::OnPaint>(WM_PAINT),
        msg::Message<&V::OnContextMenu>(WM_CONTEXTMENU),
        // List files.
        msg::Command<&V::OnFileNew>(ID_FILE_NEW),
        msg::Command<&V::OnFileOpen>(ID_FILE_OPEN),
        msg::Command<&V::OnFileSave>(ID_FILE_SAVE),
        msg::Command<&V::OnFileSaveAs>(ID_FILE_SAVE_AS),
        msg::CommandRange<&V::OnRecentFile>(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4),
        msg::UpdateRange<&V::OnUpdateRecentFile>(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4),
        // Group commands.
        msg::Command<&V::OnAddGroup>(ID_GROUP_ADD),
        msg::Command<&V::OnEditGroup>(ID_GROUP_EDIT),
        msg::Command<&V::OnDuplicateGroup>(ID_GROUP_DUPLICATE),
        msg::Command<&V::OnDeleteGroup>(ID_GROUP_DELETE),
        msg::Command<&V::OnMoveGroupUp>(ID_GROUP_MOVE_UP),
        msg::Command<&V::OnMoveGroupDown>(ID_GROUP_MOVE_DOWN),
        // Chromatogram commands.
        msg::Command<&V::OnAddChromatogram>(ID_CHRO_ADD),
        msg::Command<&V::OnEditChromatogram>(ID_CHRO_EDIT),
        msg::Command<&V::OnDuplicateChromatogram>(ID_CHRO_DUPLICATE),
        msg::Command<&V::OnDeleteChromatogram>(ID_CHRO_DELETE),
        msg::Command<&V::OnMoveUp>(ID_CHRO_MOVE_UP),
        msg::Command<&V::OnMoveDown>(ID_CHRO_MOVE_DOWN),
        // Chromatograms in and out.
        msg::Command<&V::OnEditCopy>(ID_EDIT_COPY),
        msg::Command<&V::OnCopyAllChromatograms>(ID_EDIT_COPY_ALL),
        msg::Command<&V::OnEditPaste>(ID_EDIT_PASTE),
        msg::Command<&V::OnFileImport>(ID_FILE_IMPORT),
        msg::Command<&V::OnFileExport>(ID_FILE_EXPORT),
        msg::Update<&V::OnUpdateCopy>(ID_EDIT_COPY),
        msg::Update<&V::OnUpdateCopyAll>(ID_EDIT_COPY_ALL),
        // Undo and Redo.
        msg::Command<&V::OnEditUndo>(ID_EDIT_UNDO),
        msg::Command<&V::OnEditRedo>(ID_EDIT_REDO),
        msg::Update<&V::OnUpdateEditUndo>(ID_EDIT_UNDO),
        msg::Update<&V::OnUpdateEditRedo>(ID_EDIT_REDO),
        // Launch triggers.
        msg::Command<&V::OnAutomate>(ID_AUTOMATE),
        msg::Command<&V::OnNextGroup>(ID_GROUP_NEXT),
        msg::Command<&V::OnPreviousGroup>(ID_GROUP_PREVIOUS),
        // Command enabling.
        msg::Update<&V::OnUpdateChroCommands>(ID_CHRO_DELETE),
        msg::Update<&V::OnUpdateChroCommands>(ID_CHRO_EDIT),
        msg::Update<&V::OnUpdateChroCommands>(ID_CHRO_DUPLICATE),
        msg::Update<&V::OnUpdateMoveCommands>(ID_CHRO_MOVE_UP),
        msg::Update<&V::OnUpdateMoveCommands>(ID_CHRO_MOVE_DOWN),
        msg::Update<&V::OnUpdateGroupCommands>(ID_GROUP_DELETE),
        msg::Update<&V::OnUpdateGroupCommands>(ID_GROUP_EDIT),
        msg::Update<&V::OnUpdateGroupCommands>(ID_GROUP_DUPLICATE),
        msg::Update<&V::OnUpdateMoveGroup>(ID_GROUP_MOVE_UP),
        msg::Update<&V::OnUpdateMoveGroup>(ID_GROUP_MOVE_DOWN),
        msg::Update<&V::OnUpdateAutomate>(ID_AUTOMATE),
        msg::Update<&V::OnUpdateNextPrevious>(ID_GROUP_NEXT),
        msg::Update<&V::OnUpdateNextPrevious>(ID_GROUP_PREVIOUS),
        // What the two lists post.
        msg::Registered<&V::OnGroupUpdate>(&WM_GROUP_UPDATE),
        msg::Registered<&V::OnGroupSelected>(&s_wm_GROUP_SELECTED),
        msg::Registered<&V::OnGroupLaunch>(&s_wm_GROUP_LAUNCH),
        msg::Registered<&V::OnChroLaunch>(&s_wm_CHRO_LAUNCH),
        msg::Registered<&V::OnGroupTab>(&s_wm_GROUP_TAB),
        msg::Registered<&V::OnChroTab>(&s_wm_CHRO_TAB),
        msg::Registered<&V::OnGroupCheck>(&s_wm_GROUP_CHECK),
        msg::Registered<&V::OnGroupDeleteKey>(&s_wm_GROUP_DELETEKEY),
        msg::Registered<&V::OnGroupContextMenu>(&s_wm_GROUP_LISTCTRL_CONTEXTMENU),
        msg::Registered<&V::OnChroUpdate>(&s_wm_CHRO_UPDATE),
        msg::Registered<&V::OnChroCheck>(&s_wm_CHRO_CHECK),
        msg::Registered<&V::OnChroDeleteKey>(&s_wm_CHRO_DELETEKEY),
        msg::Registered<&V::OnChroContextMenu>(&s_wm_CHRO_LISTCTRL_CONTEXTMENU),
    };
    static const MessageMap map = MakeMessageMap(&CWnd::GetThisMessageMap, entries);
    return &map;
}

CWorkspaceView::CWorkspaceView() : m_pData(std::make_unique<CWorkspaceData>()) {}

CWorkspaceView::~CWorkspaceView() = default;

void CWorkspaceView::SetStores(CAppOptions* options, CRecentFileList* recentFiles)
{
    m_pOptions = options;
    m_pRecentFiles = recentFiles;
}

BOOL CWorkspaceView::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~WS_BORDER;
    cs.lpszName = kAppCaption;
    RegisterWindowClass(kWorkspaceClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, LoadCursor(nullptr, IDC_ARROW),
                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
    cs.lpszClass = kWorkspaceClass;
    return TRUE;
}

int CWorkspaceView::OnCreate(CREATESTRUCTA*)
{
    if (Default() == -1)
        return -1;
    RECT client{};
    GetClientRect(&client);
    RECT groupRect = client;
    groupRect.right = client.right / 2;
    RECT chroRect = client;
    chroRect.left = client.right / 2;
    if (!m_pData->m_groupList.CreateEx(0, WC_LISTVIEWA, nullptr, kListStyle, groupRect, m_hWnd, kListId))
        return -1;
    if (!m_pData->m_chroList.CreateEx(0, WC_LISTVIEWA, nullptr, kListStyle, chroRect, m_hWnd, kListId))
        return -1;
    return 0;
}

LRESULT CWorkspaceView::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT paint;
    BeginPaint(m_hWnd, &paint);
    EndPaint(m_hWnd, &paint);
    return 0;
}

// Shift+F10 or the menu key in a list opens the list's right-click menu at its selected row.
LRESULT CWorkspaceView::OnContextMenu(WPARAM window, LPARAM point)
{
    const auto list = reinterpret_cast<HWND>(window);
    const bool groups = list == m_pData->m_groupList.m_hWnd;
    if (point != -1 || (!groups && list != m_pData->m_chroList.m_hWnd))
        return Default();
    const int row = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    RECT rc{LVIR_LABEL, 0, 0, 0};
    POINT at{0, 0};
    if (row >= 0 && ::SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc)))
        at = POINT{rc.left, rc.bottom};
    ::ClientToScreen(list, &at);
    ShowContextMenu(groups ? 0 : 1, &at);   // popup 0 of the context menus: groups
    return 0;
}

// Both lists carry the same number of columns; each column gets an equal share.
void CWorkspaceView::OnSize(UINT, int, int)
{
    Default();
    RECT client{};
    GetClientRect(&client);
    CGroupListCtrl& groups = m_pData->m_groupList;
    CChroListCtrl& chros = m_pData->m_chroList;
    const int groupCols = groups.GetHeaderItemCount();
    const int chroCols = chros.GetHeaderItemCount();
    const int columns = groupCols + chroCols;
    const int colWidth = columns > 0 ? client.right / columns : 0;
    const RECT groupRect{client.left, client.top, colWidth * groupCols, client.bottom};
    const RECT chroRect{colWidth * chroCols, client.top, client.right, client.bottom};
    auto place = [](CWnd& list, const RECT& rc) {
        if (rc.left || rc.top || rc.right || rc.bottom)
            list.MoveWindow(rc, TRUE);
    };
    CListsLayout layout(groups, chros);
    place(groups, groupRect);
    place(chros, chroRect);
    groups.SetColumnWidths(colWidth);
    chros.SetColumnWidths(colWidth);
}

void CWorkspaceView::SetDpi(UINT dpi)
{
    {
        CListsLayout layout(m_pData->m_groupList, m_pData->m_chroList);
        m_pData->m_groupList.SetImageDpi(dpi);
        m_pData->m_chroList.SetImageDpi(dpi);
    }
    RECT client{};
    GetClientRect(&client);
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

void CWorkspaceView::ApplyViewMode(bool mini)
{
    CGroupListCtrl& groups = m_pData->m_groupList;
    CChroListCtrl& chros = m_pData->m_chroList;
    int selected = 0;
    groups.GetSelectedItem(selected);
    {
        CListsLayout layout(groups, chros);
        if (mini) {
            groups.DeleteColumn(1);
            chros.DeleteColumn(1);
        } else if (groups.GetColumnWidth(0) > 0) {
            // Only a list that lost its second column in Mini view gets it back: the frame may
            // have laid the lists out before the first switch, and a list that still has both
            // columns must not gain a third.
            if (groups.GetHeaderItemCount() < 2)
                groups.InsertColumn(1, "Comment", LVCFMT_LEFT, dpi::Scale(75, dpi::ForWindow(m_hWnd)));
            if (chros.GetHeaderItemCount() < 2)
                chros.InsertColumn(1, "Description", LVCFMT_LEFT, dpi::Scale(75, dpi::ForWindow(m_hWnd)));
        }
        groups.AutoSizeColumns();
        chros.AutoSizeColumns();
    }
    RefreshChromatogramList();
    RefreshGroupList();
    groups.SelectItem(selected);
}

void CWorkspaceView::RefreshChromatogramList()
{
    CChroListCtrl& chros = m_pData->m_chroList;
    CListManager& manager = m_pData->m_listManager;
    chros.SetRedraw(false);   // inserting rows while the list redraws is slow
    chros.BeginRebuild();
    DWORD groupId = 0;
    m_pData->m_groupList.GetSelectedItemData(groupId);
    m_pData->m_shownGroupId = groupId;
    CChromatogramData record;
    DWORD chroId = 0;
    for (int position = 0; manager.GetChroOrder(groupId, position, chroId); ++position) {
        if (!manager.GetChromatogram(groupId, chroId, record))
            continue;
        chros.AddItem(position, record.m_strName.c_str(), record.m_strDescription.c_str(), chroId, record.m_bChecked);
        // The row found is normally the one just added, which shows this mark already;
        // setting a mark the row shows is a costly no-op in some list views.
        int row = 0;
        if (chros.FindItemByData(chroId, row) && (chros.GetCheck(row) != FALSE) != record.m_bChecked)
            chros.SetCheck(row, record.m_bChecked);
    }
    int selected = 0;
    manager.GetChroSelection(groupId, selected);
    chros.EndRebuild();
    chros.SelectItem(selected);
    chros.SetRedraw(true);
    chros.Invalidate();
}

void CWorkspaceView::RefreshGroupList()
{
    CGroupListCtrl& groups = m_pData->m_groupList;
    CListManager& manager = m_pData->m_listManager;
    groups.SetRedraw(false);   // inserting rows while the list redraws is slow
    groups.BeginRebuild();
    CGroupDataHelper record;
    DWORD groupId = 0;
    for (int position = 0; manager.GetGroupOrder(position, groupId); ++position) {
        manager.GetGroup(record, groupId);
        groups.AddItem(position, groupId, record.m_strName.c_str(), record.m_strComment.c_str(), record.m_bChecked);
    }
    groups.EndRebuild();
    groups.SetRedraw(true);
    groups.Invalidate();
    if (groups.GetItemCount() > 0)   // the check boxes show with the first group
        ApplyAutomate();
}

// Unmodified means the list is in the state last loaded or saved, which the history notes.
void CWorkspaceView::UpdateTitle(bool modified)
{
    m_pData->m_bModified = modified;
    if (!modified)
        m_pData->m_history.MarkSaved();
    const std::string title = std::string(kAppCaption) + " - " + m_pData->m_strFileName + (modified ? " *" : "");
    ::SetWindowTextA(GetParent(), title.c_str());
}

void CWorkspaceView::IsModified(bool& modified) const
{
    modified = m_pData->m_bModified;
}

LRESULT CWorkspaceView::OnGroupUpdate(WPARAM, LPARAM)
{
    CGroupListCtrl& groups = m_pData->m_groupList;
    int selected = 0;
    groups.GetSelectedItem(selected);
    Options().SetGroup(selected);
    RefreshChromatogramList();
    int rows = 0;
    if (groups.IsCursorOnItemIcon() && m_pData->m_chroList.HasItems(rows)) {
        DWORD groupId = 0;
        groups.GetSelectedItemData(groupId);
        LaunchGroup(groupId);
    }
    return 1;
}

// Whatever moved the group selection, the chromatogram list shows the selected group, and
// the chromatogram commands, which act on the selected group, act on the one shown.
LRESULT CWorkspaceView::OnGroupSelected(WPARAM, LPARAM)
{
    DWORD groupId = 0;
    m_pData->m_groupList.GetSelectedItemData(groupId);
    if (groupId == m_pData->m_shownGroupId)
        return 0;
    int row = 0;
    if (m_pData->m_groupList.GetSelectedItem(row))
        Options().SetGroup(row);
    RefreshChromatogramList();
    return 0;
}

LRESULT CWorkspaceView::OnChroTab(WPARAM, LPARAM)
{
    if (IsWindowVisible())
        FocusGroupList();
    return 0;
}

LRESULT CWorkspaceView::OnGroupTab(WPARAM, LPARAM)
{
    if (IsWindowVisible())
        FocusChromatogramList();
    return 0;
}

void CWorkspaceView::FocusChromatogramList()
{
    if (IsWindowVisible())
        m_pData->m_chroList.SetFocus();
}

void CWorkspaceView::FocusGroupList()
{
    if (IsWindowVisible())
        m_pData->m_groupList.SetFocus();
}

void CWorkspaceView::SyncChromatogramSelection()
{
    DWORD groupId = 0;
    m_pData->m_groupList.GetSelectedItemData(groupId);
    int index = 0;
    m_pData->m_chroList.GetSelectedItem(index);
    int rows = 0;
    if (!m_pData->m_chroList.HasItems(rows))
        return;
    m_pData->m_listManager.SetChroSelection(groupId, index);
    Options().SetChromatogram(index);
}

void CWorkspaceView::RestoreGroupSelection()
{
    int row = 0;
    Options().GetGroup(&row);
    if (row < 0 || row >= m_pData->m_groupList.GetItemCount())
        row = 0;
    m_pData->m_groupList.SelectItem(row);
}

void CWorkspaceView::RestoreChromatogramSelection()
{
    int row = 0;
    Options().GetChromatogram(&row);
    if (row < 0 || row >= m_pData->m_chroList.GetItemCount())
        row = 0;
    m_pData->m_chroList.SelectItem(row);
    SyncChromatogramSelection();
}

void CWorkspaceView::OnUpdateChroCommands(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pData->m_chroList.GetItemCount() > 0);
}

// Move Up needs a row above the selected one, Move Down a row below it; nothing selected
// counts as the first row.
void CWorkspaceView::OnUpdateMoveCommands(CCmdUI* pCmdUI)
{
    const int rows = m_pData->m_chroList.GetItemCount();
    int selected = 0;
    m_pData->m_chroList.GetSelectedItem(selected);
    const bool up = pCmdUI->m_nID == ID_CHRO_MOVE_UP;
    pCmdUI->Enable(rows > 1 && (up ? selected != 0 : selected != rows - 1));
}

void CWorkspaceView::OnUpdateGroupCommands(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pData->m_groupList.GetItemCount() > 0);
}

void CWorkspaceView::OnUpdateNextPrevious(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pData->m_groupList.GetItemCount() >= 2);
}

void CWorkspaceView::OnUpdateAutomate(CCmdUI* pCmdUI)
{
    const bool hasGroups = m_pData->m_groupList.GetItemCount() > 0;
    pCmdUI->Enable(hasGroups);
    if (!hasGroups)
        return;
    pCmdUI->SetCheck(m_pData->m_bAutomate ? 1 : 0);
}

void CWorkspaceView::ApplyAutomate()
{
    Options().GetAutomate(&m_pData->m_bAutomate);
    m_pData->m_groupList.EnableChecks(m_pData->m_bAutomate);
}

void CWorkspaceView::ShowContextMenu(int popupIndex, const POINT* at)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_CONTEXT_MENUS))
        return;
    HMENU popup = menu.GetSubMenu(popupIndex);
    CCmdUI::UpdateMenu(popup, this);
    POINT cursor{};
    if (at)
        cursor = *at;
    else
        GetCursorPos(&cursor);
    CMenu::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, this);
}
