#pragma once

#include "CDialog.h"

// Asks what File -> Export writes: the selected group or the whole list.
class CExportDlg : public CDialog {
public:
    explicit CExportDlg(CWnd* parent = nullptr);

    // Which choice the dialog opens with, and after OK which one was taken.
    bool m_bWholeList = false;
    // With no group selected only the whole list can be written.
    bool m_bGroupSelected = true;

    BOOL OnInitDialog() override;
    void OnOK() override;
};
