#pragma once

#include "CComboBox.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CIonMass.h"

#include <string>

class CAppOptions;

// The "Mass from Formula" dialog: a formula and an adduct (one of the common ones or typed),
// and a line that gives, as the user types, the neutral mass, the charge and the m/z of the
// ion, or why a text is not understood. OK is enabled only while the m/z can be computed.
// The adduct opens as the one last confirmed, kept in the options.
class CMassFormulaDlg : public CDialog {
public:
    // Without options the adduct opens as [M+H]+ and is not kept.
    explicit CMassFormulaDlg(CWnd* parent = nullptr, CAppOptions* options = nullptr);

    // The ion of the texts confirmed with OK.
    const SIonMass& Ion() const { return m_ion; }

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // EN_CHANGE of the formula box and CBN_EDITCHANGE of the adduct box.
    void OnTextChanged();
    // CBN_SELCHANGE and CBN_SELENDOK of the adduct box: its edit part may still hold the
    // text before the choice.
    void OnAdductChosen();
    // Computes the ion of the formula box and the adduct given, shows it and enables OK.
    void Recompute(const std::string& adduct);
    std::string ResultLine() const;

    CAppOptions* m_pOptions;
    CEdit m_edFormula;
    CComboBox m_cbAdduct;
    CWnd m_stResult;
    SIonMass m_ion;
    std::string m_strAdduct;   // the adduct m_ion was computed with
};
