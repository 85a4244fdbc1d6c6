// Mass from Formula, opened from Chromatogram Details and driven as a user would.
#include "CAppOptions.h"
#include "CChromatogramDlg.h"
#include "CMassFormulaDlg.h"
#include "DialogDriver.h"
#include "RegistryFixture.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {
const char kDetails[] = "Chromatogram Details";
const char kFormula[] = "Mass from Formula";
const std::string kOptions = reg::Tool("Options");

class MassFormulaDlgTest : public regtest::RegistryTest {
protected:
    MassFormulaDlgTest() : RegistryTest({kOptions}) {}
    // Chromatogram Details of type MASS, Formula..., the formula typed and an adduct picked,
    // OK in both; what the live line showed goes to line.
    CChromatogramData Enter(const std::string& formula, int adductItem, std::string& line)
    {
        CChromatogramDlg details;
        details.SetTitle(kDetails);
        details.SetOptions(&m_options);
        CChromatogramData mass;
        mass.m_nType = 2;
        details.SetData(mass);
        ui::DialogAnswerer answerer;
        answerer.Expect(kDetails, IDC_CHRO_FORMULA)
            .Expect(kFormula, IDOK,
                    [&](HWND d) {
                        drive::Type(d, IDC_FORMULA, formula);
                        drive::Choose(d, IDC_ADDUCT, adductItem);
                        line = drive::Text(d, IDC_ION_RESULT);
                    })
            .Expect(kDetails, IDOK);
        EXPECT_EQ(IDOK, drive::RunModal(details, answerer));
        details.GetData(mass);
        return mass;
    }

    CAppOptions m_options;
};

TEST_F(MassFormulaDlgTest, FormulaAndAdductGiveMassAndNameAndTheAdductIsKept)
{
    std::string line, opened;
    // A name the name box cannot show whole is left out, not cut.
    CChromatogramData mass = Enter("CH3CH2CH2CH2CH2CH2CH2CH2CH2CH2CH2CH2CH2CH2CH2CH2CH2COOH", 0, line);
    EXPECT_EQ("285.2788", mass.m_strMass);
    EXPECT_EQ("", mass.m_strName);
    mass = Enter("C8H10N4O2", 1, line);
    EXPECT_EQ("Neutral mass 194.0804, charge 1+, m/z 217.0696", line);
    EXPECT_EQ("217.0696", mass.m_strMass);
    EXPECT_EQ("C8H10N4O2 [M+Na]+", mass.m_strName);
    EXPECT_EQ("[M+Na]+", reg::ReadText(kOptions, "FormulaAdduct"));

    // The next opening starts from the adduct kept; text it does not understand greys OK.
    CMassFormulaDlg formula(nullptr, &m_options);
    bool okEnabled = true;
    ui::DialogAnswerer refusing;
    refusing.Expect(kFormula, IDCANCEL, [&](HWND d) {
        opened = drive::Text(d, IDC_ADDUCT);
        drive::Type(d, IDC_FORMULA, "C8Qa2");
        line = drive::Text(d, IDC_ION_RESULT);
        okEnabled = drive::Enabled(d, IDOK);
    });
    EXPECT_EQ(IDCANCEL, drive::RunModal(formula, refusing));
    EXPECT_EQ("[M+Na]+", opened);
    EXPECT_EQ("Formula: unknown element Qa at character 3", line);
    EXPECT_FALSE(okEnabled);
}
}   // namespace
