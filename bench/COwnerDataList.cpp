#include "COwnerDataList.h"

#include "resource.h"

#include <commctrl.h>

namespace {
const DWORD kListStyle = 0x5080880D | LVS_OWNERDATA;   // the workspace's list style
const int kImageSize = 20;
const COLORREF kTransparent = RGB(0xFF, 0x00, 0xFF);
const char kHolderClass[] = "VantraceBenchOwnerData";

HIMAGELIST LoadImages(UINT id)
{
    return ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), kImageSize, 0, kTransparent,
                                IMAGE_BITMAP, LR_CREATEDIBSECTION);
}
}   // namespace

COwnerDataList::COwnerDataList(HWND parent, const RECT& rect)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = HolderProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kHolderClass;
    RegisterClassA(&wc);
    m_hHolder = CreateWindowExA(0, kHolderClass, "", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, wc.hInstance, this);
    if (!m_hHolder)
        return;
    m_hList = CreateWindowExA(0, WC_LISTVIEWA, "", kListStyle, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                              m_hHolder, nullptr, wc.hInstance, nullptr);
    if (!m_hList)
        return;
    SendMessageA(m_hList, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    SendMessageA(m_hList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        col.cx = (rect.right - rect.left) / 2;
        col.pszText = const_cast<char*>(column ? "Comment" : "Name");
        SendMessageA(m_hList, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&col));
    }
    m_icons = LoadImages(IDB_PLAY);
    m_states = LoadImages(IDB_CHECKBOXES);
    SendMessageA(m_hList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_icons));
    SendMessageA(m_hList, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(m_states));
}

COwnerDataList::~COwnerDataList()
{
    if (m_hHolder)
        DestroyWindow(m_hHolder);
    for (HIMAGELIST images : {m_icons, m_states})
        if (images)
            ImageList_Destroy(images);
}

void COwnerDataList::ShowGroups(const CListManager& list)
{
    m_rows.clear();
    CGroupDataHelper rec;
    DWORD id = 0;
    for (int pos = 0; list.GetGroupOrder(pos, id); ++pos) {
        list.GetGroup(rec, id);
        m_rows.push_back({rec.m_strName, rec.m_strComment, id, rec.m_bChecked});
    }
    Show();
}

void COwnerDataList::ShowChros(const CListManager& list, DWORD group)
{
    m_rows.clear();
    CChromatogramData rec;
    DWORD id = 0;
    for (int pos = 0; list.GetChroOrder(group, pos, id); ++pos) {
        list.GetChromatogram(group, id, rec);
        m_rows.push_back({rec.m_strName, rec.m_strDescription, id, rec.m_bChecked});
    }
    Show();
}

void COwnerDataList::Show()
{
    SendMessageA(m_hList, LVM_SETITEMCOUNT, m_rows.size(), LVSICF_NOSCROLL);
    InvalidateRect(m_hList, nullptr, TRUE);
}

int COwnerDataList::Count() const
{
    return static_cast<int>(SendMessageA(m_hList, LVM_GETITEMCOUNT, 0, 0));
}

void COwnerDataList::AnswerText(NMLVDISPINFOA& info) const
{
    LVITEMA& item = info.item;
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= m_rows.size())
        return;
    const SRow& row = m_rows[static_cast<size_t>(item.iItem)];
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
        lstrcpynA(item.pszText, item.iSubItem == 0 ? row.name.c_str() : row.comment.c_str(), item.cchTextMax);
    if (item.mask & LVIF_IMAGE)
        item.iImage = 0;
    if (item.mask & LVIF_STATE) {
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(row.checked ? 2 : 1);
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

LRESULT CALLBACK COwnerDataList::HolderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<COwnerDataList*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NOTIFY && self && reinterpret_cast<NMHDR*>(lParam)->code == LVN_GETDISPINFOA) {
        self->AnswerText(*reinterpret_cast<NMLVDISPINFOA*>(lParam));
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
