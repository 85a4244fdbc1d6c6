#pragma once

#include "CChromatogramData.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CSpinButtonCtrl.h"

#include <string>

class CAppOptions;

// The "Chromatogram Details" dialog: name, type, function, mass or channel of one
// chromatogram. Owned by the workspace and reused for every chromatogram command.
class CChromatogramDlg : public CDialog {
public:
    explicit CChromatogramDlg(CWnd* parent = nullptr);

    // The caption of the next opening.
    void SetTitle(const std::string& title) { m_strTitle = title; }
    // Where Mass from Formula keeps its adduct; none keeps nothing.
    void SetOptions(CAppOptions* options) { m_pOptions = options; }
    // Back to a new chromatogram's defaults.
    void ResetData() { m_chro.Reset(); }
    void SetData(const CChromatogramData& chro) { m_chro = chro; }
    // Copies the fields the dialog edits for the record's type; the rest keep their values.
    void GetData(CChromatogramData& chro) const;

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void FillTypes();
    void FillChannels();
    // Selects the items of m_nType and m_nAnalogue and writes the texts of m_chro.
    void WriteControls();
    // Shows the controls m_nType needs and hides the others.
    void ShowControlsForType();
    // Reads the selected type and the controls it uses back into m_chro.
    void ReadControls();
    // Reads the name and the controls that type uses back into m_chro.
    void ReadFields(int type);
    std::string WriteDescription() const;
    // CBN_DROPDOWN of the type box: keeps what the user typed before the type changes.
    void OnTypeDropDown();
    // CBN_SELENDOK and CBN_SELCHANGE of the type box.
    void OnTypeChosen();
    // CBN_SELENDOK of the channel box.
    void OnChannelChosen();
    // The Formula... button: the m/z of a formula into the mass box, and the formula and
    // adduct into an empty name box when the name fits it whole.
    void OnFormula();

    CWnd m_stFunction;
    CWnd m_stBasedOn;
    CEdit m_edBasedOn;
    CEdit m_edName;
    CWnd m_stAnalogue;
    CWnd m_stMass;
    CEdit m_edMass;
    CWnd m_btFormula;
    CComboBox m_cbChannel;
    CComboBox m_cbType;
    CSpinButtonCtrl m_spinFunction;
    CEdit m_edFunction;

    std::string m_strTitle;
    CAppOptions* m_pOptions = nullptr;
    CChromatogramData m_chro;
    std::string m_strFunction;   // text of the function box as read last
};
