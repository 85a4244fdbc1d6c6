#include "CGroupDlg.h"

#include "LeadingDigits.h"
#include "MessageBox.h"
#include "resource.h"

namespace {
constexpr int kModeSpecify = 2;
constexpr int kMaxComment = 250;
const int kModeButtons[] = {IDC_RANGE_USE_CURRENT, IDC_RANGE_RESET, IDC_RANGE_SPECIFY};
}   // namespace

CGroupDlg::CGroupDlg(CWnd* parent) : CDialog(IDD_GROUP_DETAILS, parent) {}

const MessageMap* CGroupDlg::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::ControlRange<&CGroupDlg::OnRangeMode>(BN_CLICKED, IDC_RANGE_USE_CURRENT, IDC_RANGE_SPECIFY),
    };
    static const MessageMap map = MakeMessageMap(&CDialog::GetThisMessageMap, entries);
    return &map;
}

void CGroupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_START_X, m_edStartX);
    DDX_Control(pDX, IDC_END_X, m_edEndX);
    DDX_Text(pDX, IDC_GROUP_COMMENT, m_strComment);
    DDV_MaxChars(pDX, m_strComment, kMaxComment);
    DDX_Text(pDX, IDC_GROUP_NAME, m_strName);
    DDX_Text(pDX, IDC_GROUP_BASED_ON, m_strBasedOn);
}

void CGroupDlg::ResetData()
{
    m_strComment.clear();
    m_strName.clear();
    m_strBasedOn.clear();
    m_strRange.clear();
    m_nRangeMode = 0;
}

void CGroupDlg::SetData(const CGroupDataHelper& group)
{
    m_strName = group.m_strName;
    m_strComment = group.m_strComment;
    m_strBasedOn = group.m_strBasedOn;
    m_nRangeMode = group.m_nRangeMode;
    if (m_nRangeMode == kModeSpecify)
        m_strRange = group.m_strRange;
}

void CGroupDlg::GetData(CGroupDataHelper& group) const
{
    group.m_strComment = m_strComment;
    group.m_strName = m_strName;
    group.m_strBasedOn = m_strBasedOn;
    group.m_nRangeMode = m_nRangeMode;
    group.m_strRange = m_strRange;
}

BOOL CGroupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SetFocus(GetDlgItem(IDC_GROUP_NAME));
    SetWindowText(m_strTitle.c_str());
    if (m_nRangeMode >= 0 && m_nRangeMode <= kModeSpecify)
        ::CheckDlgButton(m_hWnd, kModeButtons[m_nRangeMode], BST_CHECKED);
    // Only a range with something on both sides of its colon is shown.
    const size_t colon = m_strRange.find(':');
    if (colon != std::string::npos && colon > 0 && colon + 1 < m_strRange.size()) {
        m_edStartX.SetWindowText(m_strRange.substr(0, colon).c_str());
        m_edEndX.SetWindowText(m_strRange.substr(colon + 1).c_str());
    }
    if (m_nRangeMode == kModeSpecify)
        EnableRangeControls(true);
    return FALSE;
}

void CGroupDlg::OnRangeMode(UINT)
{
    for (int mode = 0; mode <= kModeSpecify; ++mode) {
        if (::IsDlgButtonChecked(m_hWnd, kModeButtons[mode]) == BST_CHECKED)
            m_nRangeMode = mode;
    }
    EnableRangeControls(m_nRangeMode == kModeSpecify);
}

void CGroupDlg::EnableRangeControls(bool enable)
{
    const int ids[] = {IDC_START_X, IDC_END_X, IDC_START_X_LABEL, IDC_END_X_LABEL, IDC_DISPLAY_RANGE_GROUP};
    for (int id : ids)
        ::EnableWindow(GetDlgItem(id), enable);
}

bool CGroupDlg::TakeRange()
{
    const std::string start = m_edStartX.GetWindowText();
    const std::string end = m_edEndX.GetWindowText();
    // Pasted text is refused here: only a number may reach the host's range command.
    const bool numbers = m_edStartX.HoldsNumber() && m_edEndX.HoldsNumber();
    if (numbers && CompareLeadingNumbers(start, end) < 0) {
        m_strRange = start + ":" + end;
        return true;
    }
    ShowMessageBox(m_hWnd, "Please enter a valid range.", "Invalid Range", MB_OK | MB_ICONINFORMATION);
    m_edStartX.SetFocus();
    return false;
}

void CGroupDlg::OnOK()
{
    if (m_nRangeMode == kModeSpecify && !TakeRange())
        return;
    CDialog::OnOK();
}
