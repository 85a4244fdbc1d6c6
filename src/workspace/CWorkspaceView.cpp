// The workspace window: creation, layout, the routing to the document and the command
// classes, the two list refreshes, the title, selection and focus.
#include "CWorkspaceView.h"

#include "ListMessages.h"
#include "AppCaption.h"
#include "resource.h"
#include "CAppOptions.h"
#include "CWinApp.h"
#include "CommandSupport.h"
#include "CFrameWnd.h"
#include "DpiScale.h"
#include "DroppedFiles.h"
#include "FileDrop.h"

#include <commctrl.h>

#include <initializer_list>

namespace {
const char kWorkspaceClass[] = "VantraceWorkspace";
const DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS
                         | LVS_ALIGNLEFT | LVS_NOSORTHEADER;
const UINT kListId = 1;
// Posted at the first show, so that the recovery offer comes once the frame is on screen.
const UINT kOfferRecoveryMessage = WM_APP + 1;

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

// The chromatogram row picked (none: the first) becomes the row the list manager and the
// options remember for the selected group.
void SyncSelection(const CGroupListCtrl& groups, const CChroListCtrl& chros, CListManager& manager,
                   CAppOptions& options, int row)
{
    DWORD groupId = 0;
    groups.GetSelectedItemData(groupId);
    int rows = 0;
    if (!chros.HasItems(rows))
        return;
    const int index = row >= 0 ? row : 0;
    manager.SetChroSelection(groupId, index);
    options.SetChromatogram(index);
}

// Selects and focuses the group's row, or no row, without moving the keyboard focus.
void SelectGroupRow(CGroupListCtrl& groups, const CListManager& manager, DWORD groupId)
{
    int row = 0;
    if (groupId == 0 || !manager.GetGroupPos(groupId, row) || row >= groups.GetItemCount()) {
        groups.ClearSelection();
        return;
    }
    groups.SetSelectedAndFocused(row);
}
}   // namespace

const MessageMap* CWorkspaceView::GetThisMessageMap()
{
    using V = CWorkspaceView;
    static const MsgEntry entries[] = {
        msg::Create<&V::OnCreate>(),
        msg::Size<&V::OnSize>(),
        msg::Message<&V::OnPaint>(WM_PAINT),
        msg::Message<&V::OnContextMenu>(WM_CONTEXTMENU),
        // What the two lists send about their selection and the Tab key; the command classes
        // take the rest.
        msg::Registered<&V::OnGroupUpdate>(&WM_GROUP_UPDATE),
        msg::Registered<&V::OnGroupSelected>(&s_wm_GROUP_SELECTED),
        msg::Registered<&V::OnGroupTab>(&s_wm_GROUP_TAB),
        msg::Registered<&V::OnChroTab>(&s_wm_CHRO_TAB),
        msg::Registered<&V::OnChroUpdate>(&s_wm_CHRO_UPDATE),
        msg::Message<&V::OnOfferRecovery>(kOfferRecoveryMessage),
        msg::DropFiles<&V::OnDropFiles>(),
    };
    static const MessageMap map = MakeMessageMap(&CWnd::GetThisMessageMap, entries);
    return &map;
}

CWorkspaceView::CWorkspaceView()
    : m_groups(m_document, *this), m_chros(m_document, *this), m_transfer(m_document, *this),
      m_launch(m_document, *this), m_files(m_document, *this, m_groups, m_chros)
{
    m_document.SetDisplay(this);
}

CWorkspaceView::~CWorkspaceView() = default;

void CWorkspaceView::SetStores(CAppOptions* options, CRecentFileList* recentFiles)
{
    m_pOptions = options;
    m_launch.SetOptions(options);
    m_chros.SetOptions(options);
    m_files.SetRecentFiles(recentFiles);
}

bool CWorkspaceView::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, bool bProbeOnly)
{
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI, bProbeOnly))
        return true;
    for (CCmdTarget* target :
         std::initializer_list<CCmdTarget*>{&m_document, &m_files, &m_groups, &m_chros, &m_transfer, &m_launch})
        if (target->OnCmdMsg(nID, nCode, pCmdUI, bProbeOnly))
            return true;
    return false;
}

bool CWorkspaceView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnWndMsg(message, wParam, lParam, pResult))
        return true;
    for (CCmdTarget* target : std::initializer_list<CCmdTarget*>{&m_groups, &m_chros, &m_launch})
        if (target->OnRegisteredMessage(message, wParam, lParam, pResult))
            return true;
    return false;
}

BOOL CWorkspaceView::PreCreateWindow(CREATESTRUCTA& cs)
{
    // Files dropped on the window or its lists come here: the style DragAcceptFiles would
    // set, set without loading shell32 before the first drop.
    cs.dwExStyle |= WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES;
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
    if (!m_groupList.CreateEx(0, WC_LISTVIEWA, nullptr, kListStyle, groupRect, m_hWnd, kListId))
        return -1;
    if (!m_chroList.CreateEx(0, WC_LISTVIEWA, nullptr, kListStyle, chroRect, m_hWnd, kListId))
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

// Both lists carry the same number of columns; each column gets an equal share.
void CWorkspaceView::OnSize(UINT, int, int)
{
    Default();
    RECT client{};
    GetClientRect(&client);
    CGroupListCtrl& groups = m_groupList;
    CChroListCtrl& chros = m_chroList;
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

// Shift+F10 or the menu key in a list opens the list's right-click menu at its selected row.
LRESULT CWorkspaceView::OnContextMenu(WPARAM window, LPARAM point)
{
    const auto list = reinterpret_cast<HWND>(window);
    const bool groups = list == m_groupList.m_hWnd;
    if (point != -1 || (!groups && list != m_chroList.m_hWnd))
        return Default();
    const int row = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    RECT rc{LVIR_LABEL, 0, 0, 0};
    POINT at{0, 0};
    if (row >= 0 && ::SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc)))
        at = POINT{rc.left, rc.bottom};
    ::ClientToScreen(list, &at);
    ShowContextMenu(*this, groups ? kGroupContextPopup : kChroContextPopup, &at);
    return 0;
}

void CWorkspaceView::SetDpi(UINT dpi)
{
    {
        CListsLayout layout(m_groupList, m_chroList);
        m_groupList.SetImageDpi(dpi);
        m_chroList.SetImageDpi(dpi);
    }
    RECT client{};
    GetClientRect(&client);
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

void CWorkspaceView::ApplyViewMode(bool mini)
{
    CGroupListCtrl& groups = m_groupList;
    CChroListCtrl& chros = m_chroList;
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
                groups.InsertColumn(1, LoadResourceString(IDS_COLUMN_COMMENT).c_str(), LVCFMT_LEFT,
                                   dpi::Scale(75, dpi::ForWindow(m_hWnd)));
            if (chros.GetHeaderItemCount() < 2)
                chros.InsertColumn(1, LoadResourceString(IDS_COLUMN_DESCRIPTION).c_str(), LVCFMT_LEFT,
                                  dpi::Scale(75, dpi::ForWindow(m_hWnd)));
        }
        groups.AutoSizeColumns();
        chros.AutoSizeColumns();
    }
    RefreshChromatogramList();
    RefreshGroupList();
    groups.SelectItem(selected);
}

// The list view holds no rows (owner data): it is emptied once and given the count and the
// selection once, each of which draws it again.
void CWorkspaceView::RefreshChromatogramList(int row)
{
    CChroListCtrl& chros = m_chroList;
    CListManager& manager = m_document.Manager();
    chros.BeginRebuild();
    DWORD groupId = 0;
    m_groupList.GetSelectedItemData(groupId);
    m_shownGroupId = groupId;
    CChromatogramData record;
    DWORD chroId = 0;
    for (int position = 0; manager.GetChroOrder(groupId, position, chroId); ++position) {
        if (manager.GetChromatogram(groupId, chroId, record))
            chros.AddItem(position, record.m_strName.c_str(), record.m_strDescription.c_str(), chroId,
                          record.m_bChecked);
    }
    if (row < 0 || row >= chros.GetItemCount())
        manager.GetChroSelection(groupId, row);
    chros.EndRebuild(row);
}

void CWorkspaceView::RefreshGroupList(int row)
{
    CGroupListCtrl& groups = m_groupList;
    CListManager& manager = m_document.Manager();
    // The list keeps its place: a group added or deleted far down the list leaves it there.
    groups.BeginRebuild(true);
    CGroupDataHelper record;
    DWORD groupId = 0;
    for (int position = 0; manager.GetGroupOrder(position, groupId); ++position) {
        manager.GetGroup(record, groupId);
        groups.AddItem(position, groupId, record.m_strName.c_str(), record.m_strComment.c_str(), record.m_bChecked);
    }
    groups.EndRebuild(row);
    if (groups.GetItemCount() > 0)   // the check boxes show with the first group
        m_launch.ApplyAutomate();
}

// Unmodified means the list is in the state last loaded or saved, which the history notes.
void CWorkspaceView::UpdateTitle(bool modified)
{
    m_document.SetModified(modified);
    const std::string title = std::string(kAppCaption) + " - " + m_document.FileName() + (modified ? " *" : "");
    ::SetWindowTextA(GetParent(), title.c_str());
}

void CWorkspaceView::IsModified(bool& modified) const
{
    modified = m_document.IsModified();
}

// Called when the user picked a group (mouse, Up, Down); a press on its icon launches it.
LRESULT CWorkspaceView::OnGroupUpdate(WPARAM, LPARAM lParam)
{
    const SListNotify what = m_groupList.Notification(lParam);
    m_pOptions->SetGroup(what.row >= 0 ? what.row : 0);
    RefreshChromatogramList();
    int rows = 0;
    if (what.onIcon && m_chroList.HasItems(rows))
        m_launch.LaunchGroup(what.id);
    return 1;
}

// Whatever moved the group selection, the chromatogram list shows the selected group, and
// the chromatogram commands, which act on the selected group, act on the one shown.
LRESULT CWorkspaceView::OnGroupSelected(WPARAM, LPARAM lParam)
{
    const SListNotify what = m_groupList.Notification(lParam);
    if (what.id == m_shownGroupId)
        return 0;
    if (what.row >= 0)
        m_pOptions->SetGroup(what.row);
    RefreshChromatogramList();
    return 0;
}

LRESULT CWorkspaceView::OnChroTab(WPARAM, LPARAM)
{
    if (IsWindowVisible())
        m_groupList.SetFocus();
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
        m_chroList.SetFocus();
}

void CWorkspaceView::SyncChromatogramSelection()
{
    SyncSelection(m_groupList, m_chroList, m_document.Manager(), *m_pOptions, m_chroList.SelectedRow());
}

// The rows the options remember, or the first rows when those are gone.
void CWorkspaceView::ShowWithStoredSelection()
{
    RefreshGroupList();
    int row = 0;
    m_pOptions->GetGroup(&row);
    if (row < 0 || row >= m_groupList.GetItemCount())
        row = 0;
    m_groupList.SelectItem(row);
    RefreshChromatogramList();
    row = 0;
    m_pOptions->GetChromatogram(&row);
    if (row < 0 || row >= m_chroList.GetItemCount())
        row = 0;
    m_chroList.SelectItem(row);
    SyncChromatogramSelection();
}

// Called when the user may have picked another chromatogram row (click, Up, Down).
LRESULT CWorkspaceView::OnChroUpdate(WPARAM, LPARAM lParam)
{
    SyncSelection(m_groupList, m_chroList, m_document.Manager(), *m_pOptions, m_chroList.Notification(lParam).row);
    return 1;
}

SListSelection CWorkspaceView::CurrentSelection()
{
    return ListSelection(m_groupList, m_chroList);
}

// An edit draws again only the rows it changed, where the lists can follow it row by row;
// the lists end with the rows, selection and focus that building them again would give.
void CWorkspaceView::ShowEdit(const SEditReach& reach, const SListSelection& sel)
{
    const CListManager& manager = m_document.Manager();
    const bool groupRows = !reach.rebuild && !reach.groupRows.empty();
    if (reach.rebuild || (groupRows && !ShowGroupRows(reach.groupRows, sel.group))) {
        int selected = -1;
        manager.GetGroupPos(sel.group, selected);
        RefreshGroupList(selected);
    }
    SelectGroupRow(m_groupList, manager, sel.group);
    // Rows drawn in place keep the list's scroll position: the selected row, which a move
    // may have taken out of sight, is brought into view.
    if (groupRows)
        m_groupList.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(m_groupList.SelectedRow()), FALSE);
    // A step that moved the selected group (Move Group Up or Down, Undo, Redo) moved its row
    // too, which the list does not report as a new selection.
    int row = -1;
    if (m_pOptions && m_groupList.GetSelectedItem(row) && row >= 0)
        m_pOptions->SetGroup(row);
    DWORD groupId = 0;
    m_groupList.GetSelectedItemData(groupId);
    if (reach.rebuild || groupId != m_shownGroupId || !ShowChroRows(reach.chroRows)) {
        RefreshChromatogramList(sel.chroRow);
    } else {
        // The row a rebuild would select: the step's, else the one the group remembers,
        // else the last.
        const int rows = m_chroList.GetItemCount();
        int selected = sel.chroRow;
        if (selected < 0 || selected >= rows)
            manager.GetChroSelection(groupId, selected);
        m_chroList.SelectItem(selected >= 0 && selected < rows ? selected : rows - 1);
        m_chroList.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(m_chroList.SelectedRow()), FALSE);
    }
    UpdateTitle(m_document.IsModified());
}

bool CWorkspaceView::ShowGroupRows(const std::vector<DWORD>& groups, DWORD selectedGroup)
{
    const CListManager& manager = m_document.Manager();
    int count = 0;
    int row = 0;
    // With no group to select, a rebuild leaves the focus on the last row.
    manager.GetNoGroups(count);
    if (count != m_groupList.GetItemCount() || !manager.GetGroupPos(selectedGroup, row))
        return false;
    CGroupDataHelper record;
    for (DWORD id : groups) {
        if (!manager.GetGroupPos(id, row) || !manager.GetGroup(record, id)
            || !m_groupList.SetItem(row, id, record.m_strName.c_str(), record.m_strComment.c_str(),
                                    record.m_bChecked))
            return false;
    }
    m_launch.ApplyAutomate();
    return true;
}

bool CWorkspaceView::ShowChroRows(const std::vector<SEditReach::SChroRows>& changes)
{
    const CListManager& manager = m_document.Manager();
    const DWORD groupId = m_shownGroupId;
    int count = 0;
    if (groupId == 0 || !manager.GetNoChros(groupId, count))
        return false;
    // The list follows one run of rows inserted or removed; more, and positions that moved
    // in between, are left to a rebuild.
    const SEditReach::SChroRows* run = nullptr;
    for (const SEditReach::SChroRows& change : changes) {
        if (change.group != groupId || change.count == 0)
            continue;
        if (run)
            return false;
        run = &change;
    }
    // An empty list is quickly built, and a rebuild leaves it with no focused row.
    if (count == 0 || m_chroList.GetItemCount() != count - (run ? run->count : 0))
        return false;
    if (run) {
        std::vector<CCheckListCtrl::SRow> added;
        CChromatogramData record;
        DWORD chroId = 0;
        for (int pos = run->pos; pos < run->pos + run->count; ++pos) {
            if (!manager.GetChroOrder(groupId, pos, chroId) || !manager.GetChromatogram(groupId, chroId, record))
                return false;
            added.push_back({record.m_strName, record.m_strDescription, chroId, record.m_bChecked});
        }
        if (!m_chroList.SpliceRows(run->pos, run->count < 0 ? -run->count : 0, std::move(added)))
            return false;
    }
    CChromatogramData record;
    for (const SEditReach::SChroRows& change : changes) {
        int row = 0;
        if (change.group != groupId || change.count != 0)
            continue;
        if (!manager.GetChroPos(groupId, change.chro, row) || !manager.GetChromatogram(groupId, change.chro, record)
            || !m_chroList.SetRow(row, {record.m_strName, record.m_strDescription, change.chro, record.m_bChecked}))
            return false;
    }
    return true;
}

// Shift+Up and Shift+Down in either list move the selected chromatogram or group, as the
// menus' key labels promise. The keys are taken here, so the list does not also move its
// selection.
BOOL CWorkspaceView::PreTranslateMessage(MSG* pMsg)
{
    const bool chros = pMsg->hwnd == m_chroList.m_hWnd;
    if (pMsg->message != WM_KEYDOWN || (!chros && pMsg->hwnd != m_groupList.m_hWnd))
        return FALSE;
    if (pMsg->wParam != VK_UP && pMsg->wParam != VK_DOWN)
        return FALSE;
    if ((GetKeyState(VK_SHIFT) & 0x8000) == 0 || (GetKeyState(VK_CONTROL) & 0x8000) != 0)
        return FALSE;
    const bool up = pMsg->wParam == VK_UP;
    if (chros)
        up ? m_chros.MoveUp() : m_chros.MoveDown();
    else
        m_groups.MoveGroup(up ? -1 : +1);
    return TRUE;
}

void CWorkspaceView::FrameShown()
{
    if (!m_bShownOnce) {
        m_bShownOnce = true;
        ::PostMessageA(m_hWnd, kOfferRecoveryMessage, 0, 0);
    }
    m_files.ReloadIfChanged();
}

void CWorkspaceView::FrameActivated()
{
    m_files.ReloadIfChanged();
}

LRESULT CWorkspaceView::OnOfferRecovery(WPARAM, LPARAM)
{
    if (!m_bRecovery || m_document.Recovery())
        return 0;
    m_document.EnableRecovery(CRecoveryStore(m_strRecoveryFolder));
    m_files.OfferRecovery();
    return 0;
}

void CWorkspaceView::OnDropFiles(HDROP drop)
{
    OpenDroppedFiles(TakeDroppedFiles(drop), m_files, m_transfer, *this);
}

void CWorkspaceView::SetStatusText(const std::string& text)
{
    if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(GetParent())))
        frame->SetMessageText(text.c_str());
}
