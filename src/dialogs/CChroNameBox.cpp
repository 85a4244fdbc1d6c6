#include "CChroNameBox.h"

#include "resource.h"

namespace {
INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}
}   // namespace

CChroNameBox::CChroNameBox()
{
    m_hDialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CHROMATOGRAM_DETAILS), nullptr,
                                   QuietDialogProc, 0);
    if (!m_hDialog)
        return;
    const HWND box = GetDlgItem(m_hDialog, IDC_CHRO_NAME);
    RECT text{};
    SendMessageA(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    m_nWidth = text.right - text.left;
    m_hDC = GetDC(box);
    m_hOldFont = SelectObject(m_hDC, reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)));
}

CChroNameBox::~CChroNameBox()
{
    if (m_hDC) {
        SelectObject(m_hDC, m_hOldFont);
        ReleaseDC(GetDlgItem(m_hDialog, IDC_CHRO_NAME), m_hDC);
    }
    if (m_hDialog)
        DestroyWindow(m_hDialog);
}

bool CChroNameBox::Fits(const std::string& name) const
{
    if (!m_hDC || m_nWidth <= 0)
        return true;
    SIZE size{};
    GetTextExtentPoint32A(m_hDC, name.c_str(), static_cast<int>(name.size()), &size);
    return size.cx <= m_nWidth;
}
