#pragma once

#include "CListManager.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

// The baseline of the list refreshes: an owner-data report list view of the workspace's style
// with both image lists, in a window of its own that answers the list's requests for text.
// A refresh copies the texts of the rows from the list manager into its rows and gives the
// list view their count: the least any list must do to show a list manager's rows.
class COwnerDataList {
public:
    COwnerDataList(HWND parent, const RECT& rect);
    ~COwnerDataList();
    COwnerDataList(const COwnerDataList&) = delete;
    COwnerDataList& operator=(const COwnerDataList&) = delete;

    bool IsReady() const { return m_hList != nullptr; }
    // Shows the list's groups, or one group's chromatograms.
    void ShowGroups(const CListManager& list);
    void ShowChros(const CListManager& list, DWORD group);
    int Count() const;

private:
    struct SRow {
        std::string name;
        std::string comment;
        DWORD id = 0;
        bool checked = false;
    };

    static LRESULT CALLBACK HolderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Show();
    void AnswerText(NMLVDISPINFOA& info) const;

    HWND m_hHolder = nullptr;
    HWND m_hList = nullptr;
    HIMAGELIST m_icons = nullptr;
    HIMAGELIST m_states = nullptr;
    std::vector<SRow> m_rows;
};
