#include "CTransferPreviewDlg.h"

#include "resource.h"

namespace {
// "1 chromatogram" or "n chromatograms".
std::string Count(size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}
}   // namespace

const MessageMap* CTransferPreviewDlg::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Notify<&CTransferPreviewDlg::OnGetRowText>(LVN_GETDISPINFOA, IDC_PREVIEW_ROWS),
    };
    static const MessageMap map = MakeMessageMap(&CDialog::GetThisMessageMap, entries);
    return &map;
}

CTransferPreviewDlg::CTransferPreviewDlg(CWnd* parent) : CDialog(IDD_TRANSFER_PREVIEW, parent) {}

void CTransferPreviewDlg::SetContent(std::vector<SRow> rows, std::vector<std::string> refused, bool showGroup,
                                     size_t newGroups)
{
    m_nNewGroups = newGroups;
    m_rows = std::move(rows);
    m_refused = std::move(refused);
    m_bShowGroup = showGroup;
}

void CTransferPreviewDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PREVIEW_ROWS, m_lcRows);
}

BOOL CTransferPreviewDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle.c_str());
    std::string summary = Count(m_rows.size(), "chromatogram", "chromatograms") + " will be added; "
                          + Count(m_refused.size(), "line", "lines") + " will not.";
    if (m_nNewGroups > 0)
        summary += " " + Count(m_nNewGroups, "group", "groups") + " will be created.";
    SetDlgItemTextA(m_hWnd, IDC_PREVIEW_SUMMARY, summary.c_str());
    FillRows();
    FillRefused();
    ::EnableWindow(GetDlgItem(IDOK), !m_rows.empty());
    return TRUE;
}

void CTransferPreviewDlg::FillRows()
{
    m_lcRows.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    RECT client{};
    ::GetClientRect(m_lcRows.m_hWnd, &client);
    const int columns = m_bShowGroup ? 3 : 2;
    const int width = (client.right - GetSystemMetrics(SM_CXVSCROLL)) / columns;
    int column = 0;
    if (m_bShowGroup)
        m_lcRows.InsertColumn(column++, "Group", LVCFMT_LEFT, width);
    m_lcRows.InsertColumn(column++, "Name", LVCFMT_LEFT, width);
    m_lcRows.InsertColumn(column, "Description", LVCFMT_LEFT, width);
    // The list is owner-data: it holds only the count and asks for the rows it shows.
    m_lcRows.SendMessage(LVM_SETITEMCOUNT, m_rows.size(), 0);
}

LRESULT CTransferPreviewDlg::OnGetRowText(NMHDR* header)
{
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= m_rows.size() || !(item.mask & LVIF_TEXT)
        || !item.pszText || item.cchTextMax <= 0)
        return 0;
    const SRow& row = m_rows[static_cast<size_t>(item.iItem)];
    // Columns: Group (when shown), Name, Description.
    const int column = item.iSubItem + (m_bShowGroup ? 0 : 1);
    const std::string& text = column == 0 ? row.group : column == 1 ? row.name : row.description;
    lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
    return 0;
}

void CTransferPreviewDlg::FillRefused()
{
    const HWND box = GetDlgItem(IDC_PREVIEW_REFUSED);
    ::SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    for (const std::string& text : m_refused)
        ::SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageA(box, WM_SETREDRAW, TRUE, 0);
}
