#include "CExportDlg.h"

#include "resource.h"

CExportDlg::CExportDlg(CWnd* parent) : CDialog(IDD_EXPORT, parent) {}

BOOL CExportDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const bool whole = m_bWholeList || !m_bGroupSelected;
    CheckRadioButton(m_hWnd, IDC_EXPORT_GROUP, IDC_EXPORT_LIST, whole ? IDC_EXPORT_LIST : IDC_EXPORT_GROUP);
    ::EnableWindow(GetDlgItem(IDC_EXPORT_GROUP), m_bGroupSelected);
    return TRUE;
}

void CExportDlg::OnOK()
{
    m_bWholeList = IsDlgButtonChecked(m_hWnd, IDC_EXPORT_LIST) == BST_CHECKED;
    CDialog::OnOK();
}
