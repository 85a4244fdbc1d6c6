#include "CMassFormulaDlg.h"

#include "CAppOptions.h"
#include "CWinApp.h"
#include "resource.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
// One of the string table's formats filled in.
template <typename... Args>
std::string Format(UINT formatId, Args... args)
{
    const std::string format = LoadResourceString(formatId);
    const int length = std::snprintf(nullptr, 0, format.c_str(), args...);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format.c_str(), args...);
    text.resize(static_cast<size_t>(length));
    return text;
}
}   // namespace

CMassFormulaDlg::CMassFormulaDlg(CWnd* parent, CAppOptions* options)
    : CDialog(IDD_MASS_FORMULA, parent), m_pOptions(options)
{
}

const MessageMap* CMassFormulaDlg::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Control<&CMassFormulaDlg::OnTextChanged>(EN_CHANGE, IDC_FORMULA),
        msg::Control<&CMassFormulaDlg::OnTextChanged>(CBN_EDITCHANGE, IDC_ADDUCT),
        msg::Control<&CMassFormulaDlg::OnAdductChosen>(CBN_SELCHANGE, IDC_ADDUCT),
        msg::Control<&CMassFormulaDlg::OnAdductChosen>(CBN_SELENDOK, IDC_ADDUCT),
    };
    static const MessageMap map = MakeMessageMap(&CDialog::GetThisMessageMap, entries);
    return &map;
}

void CMassFormulaDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FORMULA, m_edFormula);
    DDX_Control(pDX, IDC_ADDUCT, m_cbAdduct);
    DDX_Control(pDX, IDC_ION_RESULT, m_stResult);
}

BOOL CMassFormulaDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(LoadResourceString(IDS_MASS_FORMULA_TITLE).c_str());
    SetDlgItemTextA(m_hWnd, IDC_FORMULA_LABEL, LoadResourceString(IDS_FORMULA_LABEL).c_str());
    SetDlgItemTextA(m_hWnd, IDC_ADDUCT_LABEL, LoadResourceString(IDS_ADDUCT_LABEL).c_str());
    for (std::string_view adduct : CAdduct::Common())
        m_cbAdduct.AddString(std::string(adduct).c_str());
    m_ion = {};
    const std::string adduct = m_pOptions ? m_pOptions->GetFormulaAdduct() : std::string(CIonMass::kDefaultAdduct);
    m_cbAdduct.SetWindowText(adduct.c_str());
    Recompute(adduct);
    m_edFormula.SetFocus();
    return FALSE;
}

void CMassFormulaDlg::OnTextChanged()
{
    Recompute(m_cbAdduct.GetWindowText());
}

void CMassFormulaDlg::OnAdductChosen()
{
    const int item = m_cbAdduct.GetCurSel();
    if (item < 0) {
        OnTextChanged();
        return;
    }
    std::vector<char> text(static_cast<size_t>(m_cbAdduct.GetLBTextLen(item)) + 1, '\0');
    m_cbAdduct.GetLBText(item, text.data());
    Recompute(text.data());
}

void CMassFormulaDlg::Recompute(const std::string& adduct)
{
    const std::string formula = m_edFormula.GetWindowText();
    m_strAdduct = adduct;
    m_ion = formula.empty() ? SIonMass{} : CIonMass::Compute(formula, adduct);
    m_stResult.SetWindowText(ResultLine().c_str());
    ::EnableWindow(GetDlgItem(IDOK), m_ion.ok);
}

std::string CMassFormulaDlg::ResultLine() const
{
    if (m_ion.ok) {
        return Format(IDS_ION_RESULT, CIonMass::FormatMz(m_ion.neutralMass).c_str(), std::abs(m_ion.charge),
                      m_ion.charge < 0 ? '-' : '+', CIonMass::FormatMz(m_ion.mz).c_str());
    }
    if (m_ion.error.reason.empty())
        return {};
    return Format(m_ion.errorInAdduct ? IDS_ADDUCT_REFUSED : IDS_FORMULA_REFUSED, m_ion.error.reason.c_str(),
                  m_ion.error.position);
}

void CMassFormulaDlg::OnOK()
{
    // Enter reaches here even while OK is greyed.
    if (!m_ion.ok)
        return;
    if (m_pOptions)
        m_pOptions->SetFormulaAdduct(m_strAdduct);
    CDialog::OnOK();
}
