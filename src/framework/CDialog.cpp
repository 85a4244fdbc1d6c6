#include "CDialog.h"

#include "CWinApp.h"
#include "HelpFile.h"
#include "MessageBox.h"

#include <cstdio>

void CDataExchange::Fail()
{
    m_bFailed = true;
    // The dialog manager moves the focus and selects an edit box's text.
    if (HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl))
        ::SendMessageA(m_pDlgWnd->m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

const MessageMap* CDialog::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Message<&CDialog::HandleInitDialog>(WM_INITDIALOG),
        msg::Command<&CDialog::OnOK>(IDOK),
        msg::Command<&CDialog::OnCancel>(IDCANCEL),
        msg::Message<&CDialog::OnHelp>(WM_HELP),
    };
    static const MessageMap map = MakeMessageMap(&CWnd::GetThisMessageMap, entries);
    return &map;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        owner = main ? main->m_hWnd : nullptr;
    }
    return DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), owner, &CWnd::StaticDlgProc,
                           reinterpret_cast<LPARAM>(this));
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

LRESULT CDialog::OnHelp(WPARAM, LPARAM)
{
    help::Open(m_hWnd, kHelpContextBase + m_nIDTemplate);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (pDX->m_bFailed || control.m_hWnd)
        return;
    control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    if (pDX->m_bFailed)
        return;
    pDX->PrepareCtrl(id);
    HWND control = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(control, value.c_str());
        return;
    }
    const int length = ::GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    value = text;
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars)
{
    if (pDX->m_bFailed)
        return;
    HWND control = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, pDX->m_idLastControl);
    if (!pDX->m_bSaveAndValidate) {
        ::SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
        return;
    }
    if (value.size() <= static_cast<size_t>(maxChars))
        return;
    char text[96];
    std::snprintf(text, sizeof text, "This entry may hold no more than %d characters.", maxChars);
    ShowMessageBox(pDX->m_pDlgWnd->m_hWnd, text, nullptr, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}
