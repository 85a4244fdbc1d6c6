#pragma once

#include "CListCtrl.h"
#include "ListTestWindow.h"
#include "ListViewInput.h"
#include "Pump.h"

#include <commctrl.h>

#include <string>
#include <vector>

// The window style the workspace gives both lists.
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS
                             | LVS_ALIGNLEFT | LVS_NOSORTHEADER;
static_assert(kListStyle == 0x5080880D);

// Rows with the selected state, from the top.
inline std::vector<int> SelectedRows(const CListCtrl& list)
{
    std::vector<int> rows;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (list.GetItemState(row, LVIS_SELECTED))
            rows.push_back(row);
    }
    return rows;
}

inline std::vector<bool> Checks(const CListCtrl& list)
{
    std::vector<bool> marks;
    for (int row = 0; row < list.GetItemCount(); ++row)
        marks.push_back(list.GetCheck(row) != FALSE);
    return marks;
}

inline int FocusedRow(const CListCtrl& list)
{
    return list.GetNextItem(-1, LVNI_FOCUSED);
}

inline std::string ColumnHeading(const CListCtrl& list, int col)
{
    char text[64] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    list.SendMessage(LVM_GETCOLUMNA, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(&column));
    return text;
}

// A client point below the last row, on no row.
inline POINT BelowRows(const CListCtrl& list)
{
    RECT last{};
    list.GetItemRect(list.GetItemCount() - 1, &last, LVIR_BOUNDS);
    return {40, last.bottom + 30};
}

// The messages the parent has received since the last call, after handling what is queued.
inline std::vector<std::string> TakeReceived(CListTestWindow& parent)
{
    ui::PumpPending();
    std::vector<std::string> received;
    received.swap(parent.m_received);
    return received;
}

using Names = std::vector<std::string>;
using Marks = std::vector<bool>;
using Rows = std::vector<int>;
