#pragma once

#include "CChroListCtrl.h"
#include "CGroupListCtrl.h"
#include "CChromatogramDlg.h"
#include "CGroupDlg.h"
#include "CEditHistory.h"
#include "CListManager.h"

#include <string>

// What the workspace owns for the life of its window, in construction order: the two
// lists, the two detail dialogs, the list manager and its edit history, then the file names
// and flags.
struct CWorkspaceData {
    CGroupListCtrl m_groupList;
    CChroListCtrl m_chroList;
    CGroupDlg m_groupDlg;
    CChromatogramDlg m_chroDlg;
    CListManager m_listManager;
    CEditHistory m_history;                      // the steps that Undo and Redo walk
    std::string m_strPathName;                   // full path of the current list file
    std::string m_strFileName = "Default.vtl";   // name shown in the title
    DWORD m_shownGroupId = 0;                    // the group the chromatogram list shows
    bool m_bModified = false;
    bool m_bSaveCancelled = false;   // the last save ended in a cancelled Save As
    bool m_bAutomate = false;        // copy of the Automate option
};
