#include "CCheckListCtrl.h"

#include "resource.h"

namespace {
constexpr int kImageWidth = 20;
constexpr COLORREF kTransparent = RGB(0xFF, 0x00, 0xFF);
}   // namespace

const MessageMap* CCheckListCtrl::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Create<&CCheckListCtrl::OnCreate>(),
        msg::Message<&CCheckListCtrl::OnDestroy>(WM_DESTROY),
        msg::Mouse<&CCheckListCtrl::OnMouseMove>(WM_MOUSEMOVE),
        msg::ReflectNotify<&CCheckListCtrl::OnReselect>(NM_CLICK),
        msg::ReflectNotify<&CCheckListCtrl::OnReselect>(NM_RCLICK),
    };
    static const MessageMap map = MakeMessageMap(&CListCtrl::GetThisMessageMap, entries);
    return &map;
}

CCheckListCtrl::CCheckListCtrl(const char* firstColumn, const char* secondColumn)
    : m_pszFirstColumn(firstColumn), m_pszSecondColumn(secondColumn)
{
}

CCheckListCtrl::~CCheckListCtrl()
{
    // While this class's table still answers, so that WM_DESTROY takes the image lists
    // back before the list view would destroy them itself.
    DestroyWindow();
}

// Full-row selection alone, two columns of half the creation width, the icon and state
// image lists.
int CCheckListCtrl::OnCreate(CREATESTRUCTA* cs)
{
    if (Default() == -1)
        return -1;
    SetExtendedStyle(LVS_EX_FULLROWSELECT);
    InsertColumn(0, m_pszFirstColumn, LVCFMT_LEFT, cs->cx / 2);
    InsertColumn(1, m_pszSecondColumn, LVCFMT_LEFT, cs->cx / 2);
    m_imlIcons.Create(IDB_PLAY, kImageWidth, 0, kTransparent);
    m_imlStates.Create(IDB_CHECKBOXES, kImageWidth, 0, kTransparent);
    SetImageList(&m_imlIcons, LVSIL_SMALL);
    SetImageList(&m_imlStates, LVSIL_STATE);
    return 0;
}

// The image lists belong to this object: detach them so that the list view, which destroys
// the lists it holds, leaves them alone.
LRESULT CCheckListCtrl::OnDestroy(WPARAM, LPARAM)
{
    SetImageList(static_cast<HIMAGELIST>(nullptr), LVSIL_SMALL);
    SetImageList(static_cast<HIMAGELIST>(nullptr), LVSIL_STATE);
    return Default();
}

void CCheckListCtrl::OnMouseMove(UINT, POINT)
{
    if (IsCursorOnItemIcon()) {
        if (HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_POINTING_HAND)))
            SetCursor(hand);
    }
    Default();
}

void CCheckListCtrl::ClearItems()
{
    DeleteAllItems();
}

bool CCheckListCtrl::GetSelectedItem(int& nItem) const
{
    const int selected = GetNextItem(-1, LVNI_SELECTED);
    if (selected < 0)
        return false;
    nItem = selected;
    return true;
}

bool CCheckListCtrl::GetSelectedItemData(DWORD& data) const
{
    int nItem = 0;
    if (!GetSelectedItem(nItem))
        return false;
    data = static_cast<DWORD>(GetItemData(nItem));
    return true;
}

bool CCheckListCtrl::IsCurrentItemChecked() const
{
    return GetCheck(m_nCurrentItem) != FALSE;
}

UINT CCheckListCtrl::HitFlagsAt(POINT client, int* nItem) const
{
    LVHITTESTINFO info{};
    info.pt = client;
    const int row = HitTest(&info);
    if (nItem)
        *nItem = row;
    return info.flags;
}

UINT CCheckListCtrl::CursorHitFlags(int* nItem) const
{
    POINT pt{};
    GetCursorPos(&pt);
    ScreenToClient(&pt);
    return HitFlagsAt(pt, nItem);
}

bool CCheckListCtrl::IsCursorOnItemIcon() const
{
    return CursorHitFlags(nullptr) == LVHT_ONITEMICON;
}

bool CCheckListCtrl::IsCursorOnItem() const
{
    return (CursorHitFlags(nullptr) & LVHT_ONITEM) != 0;
}

bool CCheckListCtrl::IsCursorOnCheckBox(int& nItem, bool& checked) const
{
    if (CursorHitFlags(&nItem) != LVHT_ONITEMSTATEICON)
        return false;
    checked = GetCheck(nItem) != FALSE;
    return true;
}

void CCheckListCtrl::ReselectFocusedItem(LRESULT* pResult)
{
    if (IsCursorOnItem())
        return;
    for (int row = GetNextItem(-1, LVNI_FOCUSED); row >= 0; row = GetNextItem(row, LVNI_FOCUSED))
        SetSelectedAndFocused(row);
    *pResult = 1;
}

void CCheckListCtrl::SetSelectedAndFocused(int nItem)
{
    SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CCheckListCtrl::BeginRebuild()
{
    DeleteAllItems();
    m_bRebuilding = true;
    m_nLastInserted = -1;
}

void CCheckListCtrl::EndRebuild()
{
    m_bRebuilding = false;
    if (m_nLastInserted >= 0)
        SetSelectedAndFocused(m_nLastInserted);
}

// One insert carries the text, icon, data, check mark and selection, so that the list view
// handles and notifies one change per row rather than four.
int CCheckListCtrl::InsertRow(int nItem, const char* first, const char* second, DWORD data, bool checked)
{
    const UINT selection = m_bRebuilding ? 0 : LVIS_SELECTED | LVIS_FOCUSED;
    const int row = InsertItem(LVIF_TEXT | LVIF_STATE | LVIF_IMAGE | LVIF_PARAM, nItem, first,
                               selection | INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), selection | LVIS_STATEIMAGEMASK, 0,
                               static_cast<LPARAM>(data));
    if (row < 0)
        return -1;
    SetItemText(row, 1, second);
    if (m_bRebuilding)
        m_nLastInserted = row;
    return row;
}

void CCheckListCtrl::PostToParent(UINT message) const
{
    if (HWND parent = GetParent())
        ::PostMessageA(parent, message, 0, 0);
}

void CCheckListCtrl::SetColumnWidths(int width)
{
    const int count = GetHeaderItemCount();
    for (int col = 0; col < count; ++col)
        SetColumnWidth(col, width);
    if (count == 0)
        return;
    RECT client{};
    GetClientRect(&client);
    const int rest = client.right - width * (count - 1);
    if (rest < width)
        SetColumnWidth(count - 1, rest > 0 ? rest : 0);
}

void CCheckListCtrl::FitColumns(int first, bool larger)
{
    const int count = GetHeaderItemCount();
    for (int col = first; col < count; ++col) {
        SetColumnWidth(col, LVSCW_AUTOSIZE);
        const int content = GetColumnWidth(col);
        SetColumnWidth(col, LVSCW_AUTOSIZE_USEHEADER);
        const int header = GetColumnWidth(col);
        const bool useContent = larger ? content > header : content < header;
        SetColumnWidth(col, useContent ? LVSCW_AUTOSIZE : LVSCW_AUTOSIZE_USEHEADER);
    }
}
