#include "CChromatogramDlg.h"

#include "CChroNameBox.h"
#include "CMassFormulaDlg.h"
#include "CWinApp.h"
#include "ChroRules.h"
#include "LeadingDigits.h"
#include "resource.h"

#include <cstdio>

namespace {
using chro_rules::kTypeAnalogue;
using chro_rules::kTypeBpi;
using chro_rules::kTypeMass;
using chro_rules::kTypeTic;

// Selects the item whose data is value; no selection when none has it.
void SelectByData(CComboBox& box, int value)
{
    box.SetCurSel(-1);
    for (int i = 0; i < box.GetCount(); ++i) {
        if (static_cast<int>(box.GetItemData(i)) == value) {
            box.SetCurSel(i);
            return;
        }
    }
}

bool UsesFunction(int type)
{
    return type == kTypeTic || type == kTypeBpi || type == kTypeMass;
}
}   // namespace

CChromatogramDlg::CChromatogramDlg(CWnd* parent) : CDialog(IDD_CHROMATOGRAM_DETAILS, parent) {}

const MessageMap* CChromatogramDlg::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Control<&CChromatogramDlg::OnTypeDropDown>(CBN_DROPDOWN, IDC_CHRO_TYPE),
        msg::Control<&CChromatogramDlg::OnTypeChosen>(CBN_SELENDOK, IDC_CHRO_TYPE),
        msg::Control<&CChromatogramDlg::OnTypeChosen>(CBN_SELCHANGE, IDC_CHRO_TYPE),
        msg::Control<&CChromatogramDlg::OnChannelChosen>(CBN_SELENDOK, IDC_CHANNEL),
        msg::Control<&CChromatogramDlg::OnFormula>(BN_CLICKED, IDC_CHRO_FORMULA),
    };
    static const MessageMap map = MakeMessageMap(&CDialog::GetThisMessageMap, entries);
    return &map;
}

void CChromatogramDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FUNCTION_LABEL, m_stFunction);
    DDX_Control(pDX, IDC_CHRO_BASED_ON_LABEL, m_stBasedOn);
    DDX_Control(pDX, IDC_CHRO_BASED_ON, m_edBasedOn);
    DDX_Control(pDX, IDC_CHRO_NAME, m_edName);
    DDX_Control(pDX, IDC_ANALOGUE_LABEL, m_stAnalogue);
    DDX_Control(pDX, IDC_MASS_LABEL, m_stMass);
    DDX_Control(pDX, IDC_CHRO_MASS, m_edMass);
    DDX_Control(pDX, IDC_CHRO_FORMULA, m_btFormula);
    DDX_Control(pDX, IDC_CHANNEL, m_cbChannel);
    DDX_Control(pDX, IDC_CHRO_TYPE, m_cbType);
    DDX_Control(pDX, IDC_FUNCTION_SPIN, m_spinFunction);
    DDX_Control(pDX, IDC_FUNCTION, m_edFunction);
}

void CChromatogramDlg::GetData(CChromatogramData& chro) const
{
    chro.m_strName = m_chro.m_strName;
    chro.m_strDescription = m_chro.m_strDescription;
    chro.m_nType = m_chro.m_nType;
    chro.m_strBasedOn = m_chro.m_strBasedOn;
    if (UsesFunction(m_chro.m_nType))
        chro.m_nFunction = m_chro.m_nFunction;
    if (m_chro.m_nType == kTypeAnalogue)
        chro.m_nAnalogue = m_chro.m_nAnalogue;
    if (m_chro.m_nType == kTypeMass)
        chro.m_strMass = m_chro.m_strMass;
}

BOOL CChromatogramDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle.c_str());
    m_btFormula.SetWindowText(LoadResourceString(IDS_FORMULA_BUTTON).c_str());
    m_edName.SetFocus();
    FillTypes();
    FillChannels();
    char function[16];
    std::snprintf(function, sizeof function, "%d", m_chro.m_nFunction);
    m_edFunction.SetWindowText(function);
    m_spinFunction.SetRange32(chro_rules::kFunctionMin, chro_rules::kFunctionMax);
    WriteControls();
    ShowControlsForType();
    return FALSE;
}

void CChromatogramDlg::FillTypes()
{
    const char* names[] = {"TIC", "BPI", "Mass/Channel", "Analogue"};
    const int types[] = {kTypeTic, kTypeBpi, kTypeMass, kTypeAnalogue};
    for (int i = 0; i < 4; ++i)
        m_cbType.SetItemData(m_cbType.AddString(names[i]), static_cast<DWORD_PTR>(types[i]));
}

void CChromatogramDlg::FillChannels()
{
    for (int channel = 1; channel <= 4; ++channel) {
        char text[16];
        std::snprintf(text, sizeof text, "%i", channel);
        m_cbChannel.SetItemData(m_cbChannel.AddString(text), static_cast<DWORD_PTR>(channel));
    }
}

void CChromatogramDlg::WriteControls()
{
    SelectByData(m_cbType, m_chro.m_nType);
    SelectByData(m_cbChannel, m_chro.m_nAnalogue);
    if (!m_chro.m_strName.empty())
        m_edName.SetWindowText(m_chro.m_strName.c_str());
    m_edMass.SetWindowText(m_chro.m_strMass.c_str());
    m_edBasedOn.SetWindowText(m_chro.m_strBasedOn.c_str());
}

void CChromatogramDlg::ShowControlsForType()
{
    CWnd* const typeControls[] = {&m_edMass,     &m_stMass,    &m_btFormula, &m_cbChannel,
                                  &m_stAnalogue, &m_edBasedOn, &m_stBasedOn};
    for (CWnd* control : typeControls)
        control->ShowWindow(SW_HIDE);
    // A hidden button would still answer its access key.
    m_btFormula.EnableWindow(m_chro.m_nType == kTypeMass);
    if (m_chro.m_nType == kTypeMass) {
        m_stMass.ShowWindow(SW_SHOW);
        m_edMass.ShowWindow(SW_SHOW);
        m_btFormula.ShowWindow(SW_SHOW);
    } else if (m_chro.m_nType == kTypeAnalogue) {
        m_stAnalogue.ShowWindow(SW_SHOW);
        m_cbChannel.ShowWindow(SW_SHOW);
    }
    m_stBasedOn.ShowWindow(SW_SHOW);
    m_edBasedOn.ShowWindow(SW_SHOW);
}

void CChromatogramDlg::ReadControls()
{
    const int typeItem = m_cbType.GetCurSel();
    m_chro.m_nType = typeItem < 0 ? -1 : static_cast<int>(m_cbType.GetItemData(typeItem));
    ReadFields(m_chro.m_nType);
}

void CChromatogramDlg::ReadFields(int type)
{
    m_chro.m_strName = m_edName.GetWindowText();
    if (UsesFunction(type)) {
        m_strFunction = m_edFunction.GetWindowText();
        m_chro.m_nFunction = LeadingNumber(m_strFunction);
    }
    if (type == kTypeAnalogue) {
        const int channelItem = m_cbChannel.GetCurSel();
        if (channelItem >= 0)
            m_chro.m_nAnalogue = static_cast<int>(m_cbChannel.GetItemData(channelItem));
    }
    if (type == kTypeMass)
        m_chro.m_strMass = m_edMass.GetWindowText();
}

std::string CChromatogramDlg::WriteDescription() const
{
    return chro_rules::Describe(m_chro.m_nType, m_strFunction, m_chro.m_strMass, m_chro.m_nAnalogue);
}

void CChromatogramDlg::OnOK()
{
    ReadControls();
    m_chro.m_strDescription = WriteDescription();
    CDialog::OnOK();
}

void CChromatogramDlg::OnTypeDropDown()
{
    ReadControls();
}

// The closed box changes its type from the keyboard and the wheel without opening its list,
// so the fields of the type shown until now are read back here as well.
void CChromatogramDlg::OnTypeChosen()
{
    ReadFields(m_chro.m_nType);
    const int item = m_cbType.GetCurSel();
    m_chro.m_nType = item < 0 ? -1 : static_cast<int>(m_cbType.GetItemData(item));
    ShowControlsForType();
    WriteControls();
}

void CChromatogramDlg::OnChannelChosen()
{
    const int item = m_cbChannel.GetCurSel();
    if (item >= 0)
        m_chro.m_nAnalogue = static_cast<int>(m_cbChannel.GetItemData(item));
}

void CChromatogramDlg::OnFormula()
{
    CMassFormulaDlg formulaDlg(this, m_pOptions);
    if (formulaDlg.DoModal() == IDOK) {
        const SIonMass& ion = formulaDlg.Ion();
        m_edMass.SetWindowText(CIonMass::FormatMz(ion.mz).c_str());
        // A name the box cannot show whole is left out rather than cut.
        if (m_edName.GetWindowText().empty() && CChroNameBox().Fits(ion.name))
            m_edName.SetWindowText(ion.name.c_str());
    }
    m_edMass.SetFocus();
}
