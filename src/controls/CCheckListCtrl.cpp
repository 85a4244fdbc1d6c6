#include "CCheckListCtrl.h"

#include "DpiScale.h"
#include "resource.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {
constexpr int kImageWidth = 20;
constexpr COLORREF kTransparent = RGB(0xFF, 0x00, 0xFF);
// Posted to the list itself by NotifyParentLater; a list view leaves the application's range alone.
constexpr UINT kDeferredNotify = WM_APP + 0x100;
}   // namespace

const MessageMap* CCheckListCtrl::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Create<&CCheckListCtrl::OnCreate>(),
        msg::Message<&CCheckListCtrl::OnDestroy>(WM_DESTROY),
        msg::Mouse<&CCheckListCtrl::OnMouseMove>(WM_MOUSEMOVE),
        msg::Mouse<&CCheckListCtrl::OnLButtonUp>(WM_LBUTTONUP),
        msg::Message<&CCheckListCtrl::OnDragKey>(WM_KEYDOWN),
        msg::Message<&CCheckListCtrl::OnCaptureChanged>(WM_CAPTURECHANGED),
        msg::ReflectNotify<&CCheckListCtrl::OnBeginDrag>(LVN_BEGINDRAG),
        msg::ReflectNotify<&CCheckListCtrl::OnReselect>(NM_CLICK),
        msg::ReflectNotify<&CCheckListCtrl::OnReselect>(NM_RCLICK),
        msg::Message<&CCheckListCtrl::OnDeleteAllItems>(LVM_DELETEALLITEMS),
        msg::Message<&CCheckListCtrl::OnDeferredNotify>(kDeferredNotify),
        msg::ReflectNotify<&CCheckListCtrl::OnGetDispInfo>(LVN_GETDISPINFOA),
        msg::ReflectNotify<&CCheckListCtrl::OnFindItem>(LVN_ODFINDITEMA),
        msg::ReflectNotify<&CCheckListCtrl::OnFindItem>(LVN_ODFINDITEMW),
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

BOOL CCheckListCtrl::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= LVS_OWNERDATA;
    return CListCtrl::PreCreateWindow(cs);
}

// Full-row selection alone, two columns of half the creation width, the icon and state
// image lists; the check marks are this object's to give.
int CCheckListCtrl::OnCreate(CREATESTRUCTA* cs)
{
    if (Default() == -1)
        return -1;
    SendMessage(LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK | LVIS_DROPHILITED);
    SetExtendedStyle(LVS_EX_FULLROWSELECT);
    InsertColumn(0, m_pszFirstColumn, LVCFMT_LEFT, cs->cx / 2);
    InsertColumn(1, m_pszSecondColumn, LVCFMT_LEFT, cs->cx / 2);
    m_nDpi = dpi::ForWindow(m_hWnd);
    m_imlIcons.Create(dpi::ArtBitmapId(IDB_PLAY, m_nDpi), dpi::ArtSize(kImageWidth, m_nDpi), 0, kTransparent);
    SetImageList(&m_imlIcons, LVSIL_SMALL);
    AttachStateImages();
    return 0;
}

void CCheckListCtrl::AttachStateImages()
{
    SetImageList(static_cast<HIMAGELIST>(nullptr), LVSIL_STATE);
    m_imlStates.Create(dpi::ArtBitmapId(IDB_CHECKBOXES, m_nDpi), dpi::ArtSize(kImageWidth, m_nDpi), 0, kTransparent);
    SetImageList(&m_imlStates, LVSIL_STATE);
}

void CCheckListCtrl::SetImageDpi(UINT dpi)
{
    m_nDpi = dpi;
    SetImageList(static_cast<HIMAGELIST>(nullptr), LVSIL_SMALL);
    m_imlIcons.Create(dpi::ArtBitmapId(IDB_PLAY, dpi), dpi::ArtSize(kImageWidth, dpi), 0, kTransparent);
    SetImageList(&m_imlIcons, LVSIL_SMALL);
    if (m_imlStates.GetSafeHandle())
        AttachStateImages();
    Invalidate(TRUE);
}

// The image lists belong to this object: detach them so that the list view, which destroys
// the lists it holds, leaves them alone.
LRESULT CCheckListCtrl::OnDestroy(WPARAM, LPARAM)
{
    SetImageList(static_cast<HIMAGELIST>(nullptr), LVSIL_SMALL);
    SetImageList(static_cast<HIMAGELIST>(nullptr), LVSIL_STATE);
    return Default();
}

// While a row is dragged the moves only show where it would land; the list view does not hear
// of them.
void CCheckListCtrl::OnMouseMove(UINT, POINT pt)
{
    if (IsDragging()) {
        ShowDropRow(DropRowAt(pt));
        return;
    }
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

LRESULT CCheckListCtrl::OnDeleteAllItems(WPARAM, LPARAM)
{
    EndDrag();
    m_rows.clear();
    return Default();
}

DWORD_PTR CCheckListCtrl::GetItemData(int nItem) const
{
    return IsRow(nItem) ? m_rows[nItem].data : 0;
}

std::string CCheckListCtrl::GetItemText(int nItem, int nSubItem) const
{
    if (!IsRow(nItem) || nSubItem < 0 || nSubItem > 1)
        return std::string();
    return nSubItem == 0 ? m_rows[nItem].first : m_rows[nItem].second;
}

BOOL CCheckListCtrl::SetCheck(int nItem, BOOL checked)
{
    if (!IsRow(nItem))
        return FALSE;
    if (m_rows[nItem].checked != (checked != FALSE)) {
        m_rows[nItem].checked = checked != FALSE;
        SendMessage(LVM_REDRAWITEMS, nItem, nItem);
    }
    return TRUE;
}

bool CCheckListCtrl::SetRow(int nItem, SRow row)
{
    if (!IsRow(nItem))
        return false;
    m_rows[nItem] = std::move(row);
    SendMessage(LVM_REDRAWITEMS, nItem, nItem);
    return true;
}

// The rows below nItem move, so the whole list is drawn again: one invalidation (or the new
// count's), where redrawing a range asks the list view to invalidate each row of it.
bool CCheckListCtrl::SpliceRows(int nItem, int removed, std::vector<SRow> added)
{
    if (nItem < 0 || removed < 0 || nItem > GetItemCount() - removed)
        return false;
    const auto at = m_rows.begin() + nItem;
    if (static_cast<size_t>(removed) == added.size()) {
        std::move(added.begin(), added.end(), at);
        Invalidate();
        return true;
    }
    m_rows.erase(at, at + removed);
    m_rows.insert(m_rows.begin() + nItem, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    SyncItemCount();   // a new count draws every row again
    return true;
}

BOOL CCheckListCtrl::GetCheck(int nItem) const
{
    return IsRow(nItem) && m_rows[nItem].checked;
}

void CCheckListCtrl::SyncItemCount()
{
    SendMessage(LVM_SETITEMCOUNT, m_rows.size(), LVSICF_NOSCROLL);
}

LRESULT CCheckListCtrl::OnGetDispInfo(NMHDR* header)
{
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    if (!IsRow(item.iItem))
        return 0;
    const SRow& row = m_rows[item.iItem];
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        const char* text = item.iSubItem == 0 ? row.first.c_str() : item.iSubItem == 1 ? row.second.c_str() : "";
        lstrcpynA(item.pszText, text, item.cchTextMax);
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = 0;   // the play button
    if (item.mask & LVIF_STATE) {
        item.state = (item.state & ~(LVIS_STATEIMAGEMASK | LVIS_DROPHILITED))
                     | INDEXTOSTATEIMAGEMASK(row.checked ? 2 : 1) | (item.iItem == m_nDropRow ? LVIS_DROPHILITED : 0);
        item.stateMask |= LVIS_STATEIMAGEMASK | LVIS_DROPHILITED;
    }
    return 0;
}

// From the start row on (round to it again with LVFI_WRAP): a row whose name starts with
// the text (LVFI_PARTIAL) or is the text (LVFI_STRING), either case, or holds the data
// (LVFI_PARAM); the row, or -1.
LRESULT CCheckListCtrl::OnFindItem(NMHDR* header)
{
    const auto* find = reinterpret_cast<NMLVFINDITEMA*>(header);
    const UINT flags = find->lvfi.flags;
    std::string wanted;
    if (flags & (LVFI_STRING | LVFI_PARTIAL)) {
        if (!find->lvfi.psz)
            return -1;
        if (header->code == LVN_ODFINDITEMW) {
            const auto* wide = reinterpret_cast<const wchar_t*>(find->lvfi.psz);
            char text[MAX_PATH] = {};
            if (!WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr))
                return -1;
            wanted = text;
        } else {
            wanted = find->lvfi.psz;
        }
    }
    const int count = GetItemCount();
    const int start = find->iStart >= 0 && find->iStart < count ? find->iStart : 0;
    const int span = (flags & LVFI_WRAP) ? count : count - start;
    for (int i = 0; i < span; ++i) {
        const int row = (start + i) % count;
        const std::string& name = m_rows[row].first;
        const bool found = (flags & LVFI_PARAM)     ? m_rows[row].data == static_cast<DWORD>(find->lvfi.lParam)
                           : (flags & LVFI_PARTIAL) ? _strnicmp(name.c_str(), wanted.c_str(), wanted.size()) == 0
                                                    : _stricmp(name.c_str(), wanted.c_str()) == 0;
        if (found)
            return row;
    }
    return -1;
}

bool CCheckListCtrl::GetSelectedItem(int& nItem) const
{
    const int selected = SelectedRow();
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

// A list view of one selection deselects the other rows when one is selected, and some
// list views visit every row to do it (120 ms for 100,000 rows under Wine): the selected
// row is deselected first, alone.
void CCheckListCtrl::SetSelectedAndFocused(int nItem)
{
    if (nItem >= 0 && nItem < CListCtrl::GetItemCount()) {
        const int selected = SelectedRow();
        if (selected >= 0 && selected != nItem)
            SetItemState(selected, 0, LVIS_SELECTED);
    }
    if (SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED))
        m_nSelectedHint = nItem;
}

void CCheckListCtrl::ClearSelection()
{
    const int selected = SelectedRow();
    if (selected >= 0 && (GetStyle() & LVS_SINGLESEL))
        SetItemState(selected, 0, LVIS_SELECTED);
    else if (selected >= 0)
        SetItemState(-1, 0, LVIS_SELECTED);
}

void CCheckListCtrl::BeginRebuild(bool keepPlace)
{
    if (keepPlace)
        m_rows.clear();
    else
        ClearItems();
    m_bRebuilding = true;
    m_nLastInserted = -1;
}

void CCheckListCtrl::EndRebuild(int select)
{
    m_bRebuilding = false;
    // A list view given the count it has may not draw its rows again; one left with no rows
    // forgets its selection, focus and place.
    if (m_rows.empty())
        DeleteAllItems();
    else if (GetItemCount() == CListCtrl::GetItemCount())
        Invalidate();
    else
        SyncItemCount();
    if (IsRow(select))
        SetSelectedAndFocused(select);
    else if (m_nLastInserted >= 0)
        SetSelectedAndFocused(m_nLastInserted);
}

// A position past the end appends, as a list view's own insert does. During a rebuild the
// list view hears of the rows once, at its end.
int CCheckListCtrl::InsertRow(int nItem, const char* first, const char* second, DWORD data, bool checked)
{
    if (nItem < 0)
        return -1;
    const int row = std::min(nItem, GetItemCount());
    m_rows.insert(m_rows.begin() + row, SRow{first ? first : "", second ? second : "", data, checked});
    if (m_bRebuilding) {
        m_nLastInserted = row;
        return row;
    }
    SyncItemCount();
    SetSelectedAndFocused(row);
    return row;
}

void CCheckListCtrl::NotifyParent(UINT message, int row, int target)
{
    HWND parent = GetParent();
    if (!parent)
        return;
    SListNotify what = Describe(message, row);
    what.target = target;
    // A handler may make this list notify again; the payload of this send holds again after.
    const SListNotify* outer = m_pSending;
    m_pSending = &what;
    ::SendMessageA(parent, message, 0, reinterpret_cast<LPARAM>(&what));
    m_pSending = outer;
}

void CCheckListCtrl::NotifyParentLater(UINT message, bool currentRow)
{
    if (GetParent())
        PostMessage(kDeferredNotify, message, currentRow ? 1 : 0);
}

LRESULT CCheckListCtrl::OnDeferredNotify(WPARAM wParam, LPARAM lParam)
{
    NotifyParent(static_cast<UINT>(wParam), lParam ? m_nCurrentItem : SelectedRow());
    return 0;
}

const SListNotify* CCheckListCtrl::NotifyOf(LPARAM lParam) const
{
    return lParam != 0 && lParam == reinterpret_cast<LPARAM>(m_pSending) ? m_pSending : nullptr;
}

SListNotify CCheckListCtrl::Notification(LPARAM lParam, bool currentRow) const
{
    if (const SListNotify* what = NotifyOf(lParam))
        return *what;
    return Describe(0, currentRow ? m_nCurrentItem : SelectedRow());
}

SListNotify CCheckListCtrl::Describe(UINT message, int row) const
{
    SListNotify what;
    what.hdr.hwndFrom = m_hWnd;
    what.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    what.hdr.code = message;
    what.row = IsRow(row) ? row : -1;
    what.id = static_cast<DWORD>(GetItemData(what.row));
    what.checked = GetCheck(what.row) != FALSE;
    what.onIcon = !IsDragging() && IsCursorOnItemIcon();   // a press that began a drag launches nothing
    return what;
}

// A list view finds the first selected row by reading the state of every row above it, and
// an owner-data one with check marks asks this object for each of those states. A list of
// one selection has one selected row at most: the row last known selected, when it still
// is, is the row, without the walk.
int CCheckListCtrl::SelectedRow() const
{
    if ((GetStyle() & LVS_SINGLESEL) && IsRow(m_nSelectedHint) && GetItemState(m_nSelectedHint, LVIS_SELECTED))
        return m_nSelectedHint;
    m_nSelectedHint = GetNextItem(-1, LVNI_SELECTED);
    return m_nSelectedHint;
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

LRESULT CCheckListCtrl::OnBeginDrag(NMHDR* header)
{
    const int row = reinterpret_cast<NMLISTVIEW*>(header)->iItem;
    if (m_nDragMessage == 0 || IsDragging() || !IsRow(row) || GetItemCount() < 2)
        return 0;
    ::SetCapture(m_hWnd);
    m_nDragRow = row;
    ShowDropRow(row);
    return 0;
}

// The list view does not hear of the release that ends a drag: its own would count it a click.
void CCheckListCtrl::OnLButtonUp(UINT, POINT pt)
{
    if (!IsDragging()) {
        Default();
        return;
    }
    const int from = m_nDragRow;
    const int to = DropRowAt(pt);
    EndDrag();
    if (to >= 0 && to != from)
        NotifyParent(m_nDragMessage, from, to);
}

LRESULT CCheckListCtrl::OnDragKey(WPARAM key, LPARAM)
{
    if (!IsDragging())
        return Default();
    if (key == VK_ESCAPE)
        EndDrag();
    return 0;
}

LRESULT CCheckListCtrl::OnCaptureChanged(WPARAM, LPARAM newCapture)
{
    if (IsDragging() && reinterpret_cast<HWND>(newCapture) != m_hWnd)
        EndDrag();
    return Default();
}

int CCheckListCtrl::DropRowAt(POINT pt) const
{
    const int count = GetItemCount();
    const int top = static_cast<int>(SendMessage(LVM_GETTOPINDEX));
    RECT first{};
    if (count == 0 || !GetItemRect(top, &first, LVIR_BOUNDS))
        return -1;
    const int height = std::max<int>(first.bottom - first.top, 1);
    const int page = static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE));
    const int below = static_cast<int>(pt.y - first.top);
    const int offset = below < 0 ? -1 : std::min(below / height, page);
    return std::clamp(top + offset, 0, count - 1);
}

void CCheckListCtrl::ShowDropRow(int row)
{
    if (row == m_nDropRow)
        return;
    const int old = m_nDropRow;
    m_nDropRow = row;
    for (int changed : {old, row}) {
        if (IsRow(changed))
            SendMessage(LVM_REDRAWITEMS, changed, changed);
    }
    if (IsRow(row))
        SendMessage(LVM_ENSUREVISIBLE, row, FALSE);
}

void CCheckListCtrl::EndDrag()
{
    if (!IsDragging())
        return;
    m_nDragRow = -1;
    ShowDropRow(-1);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}
