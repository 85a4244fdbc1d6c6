// Formulas and adducts to m/z: the checks a chemist expects to 4 decimals, the notations
// that must give the same ion, and the refusals with the position they point at.
#include "CElementTable.h"
#include "CIonMass.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Shown(const SIonMass& ion)
{
    return ion.ok ? CIonMass::FormatMz(ion.mz) + " " + ion.name
                  : "! " + ion.error.reason + " @" + std::to_string(ion.error.position);
}
}   // namespace

// Masses from the isotope table's C, H, N, O, Na, K, Cl, S, with the electron counted.
TEST(FormulaTest, IonsToFourDecimals)
{
    const struct {
        const char* cell;
        const char* shown;
    } cases[] = {
        {"C8H10N4O2 [M+H]+", "195.0877 C8H10N4O2 [M+H]+"},
        {"C8H10N4O2 [M+Na]+", "217.0696 C8H10N4O2 [M+Na]+"},
        {"C8H10N4O2 [M+K]+", "233.0435 C8H10N4O2 [M+K]+"},
        {"C8H10N4O2 [2M+H]+", "389.1680 C8H10N4O2 [2M+H]+"},
        {"C6H12O6 [M-H]-", "179.0561 C6H12O6 [M-H]-"},
        {"C6H12O6 [M+NH4]+", "198.0972 C6H12O6 [M+NH4]+"},
        {"C6H12O6 [M+Cl]-", "215.0328 C6H12O6 [M+Cl]-"},
        {"C6H12O6 [M+HCOO]-", "225.0616 C6H12O6 [M+HCOO]-"},
        {"C12H14N4O4S [M+H]+", "311.0809 C12H14N4O4S [M+H]+"},
        {"C50H73N15O11 [M+2H]2+", "530.7880 C50H73N15O11 [M+2H]2+"},
        {"C5H14NO+ [M]+", "104.1070 C5H14NO+ [M]+"},
        {"C5H14NO+", "104.1070 C5H14NO+ [M]+"},            // a charged formula is its own ion
        {" C8 H10 N4 O2 ", "195.0877 C8H10N4O2 [M+H]+"},   // the adduct left out: [M+H]+
        {"C8H10N4O2 [M]+", "194.0798 C8H10N4O2 [M]+"},     // electrons alone
        {"C8H10N4O2 [M]-", "194.0809 C8H10N4O2 [M]-"},
        {"C12H14N4O4S[M - 2H]-2", "154.0295 C12H14N4O4S [M-2H]2-"},
        {"[13C]6H12O6 [M+H]+", "187.0908 [13C]6H12O6 [M+H]+"},
        {"C6D12O6 [M-D]-", "190.1252 C6D12O6 [M-D]-"},
        {"C6H12O6 [M+[2H]]+", "182.0769 C6H12O6 [M+[2H]]+"},
        {"SO4 2-", "47.9764 SO4-2 [M]2-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(CIonMass::ReadCell(c.cell)), c.shown) << c.cell;
}

// Notations of the same ion: parentheses, isotopes, D, the common names and spacing.
TEST(FormulaTest, NotationsOfTheSameIon)
{
    const struct {
        const char* formula;
        const char* adduct;
        const char* same;
        const char* sameAdduct;
    } cases[] = {
        {"Ca(OH)2", "[M+H]+", "CaO2H2", "[M+H]+"},
        {"(CH3)3C(CH2(CH3))2OH", "[M+H]+", "C8H20O", "[M+H]+"},
        {"C6D12O6", "[M+Na]+", "C6[2H]12O6", "[M+Na]+"},
        {"C6H12O6", "[M+HCOO]-", "C6H12O6", "[M+FA-H]-"},
        {"C6H12O6", "[M+CH3COO]-", "C6H12O6", "[M+Hac-H]-"},
        {"C6H12O6", "[M+CH3COO]-", "C6H12O6", "[M+HAc-H]-"},
        {"C8H10N4O2", "[M+ACN+H]+", "C8H10N4O2", "[M+C2H3N+H]+"},
        {"C8H10N4O2", "[M+MeOH+H]+", "C8H10N4O2", "[M+CH4O+H]+"},
        {"C8H10N4O2", "[M+DMSO+H]+", "C8H10N4O2", "[M+C2H6OS+H]+"},
        {"C8H10N4O2", "[M+IsoProp+H]+", "C8H10N4O2", "[M+C3H8O+H]+"},
        {"C8H10N4O2", "[M+2Na-H]+", "C8H10N4O2", "[M+Na+Na-H]+"},
        {"C8H10N4O2", "[M+H]+2", "C8H10N4O2", "[M+H]2+"},
        {"C8H10N4O2", "[M+H-H2O]+", "C8H8N4O", "[M+H]+"},
        {"C8H10N4O2", "[2M+H]+", "C16H20N8O4", "[M+H]+"},
    };
    for (const auto& c : cases) {
        const SIonMass a = CIonMass::Compute(c.formula, c.adduct);
        const SIonMass b = CIonMass::Compute(c.same, c.sameAdduct);
        ASSERT_TRUE(a.ok && b.ok) << c.formula << " " << c.adduct << ": " << a.error.reason << b.error.reason;
        EXPECT_NEAR(a.mz, b.mz, 1e-9) << c.formula << " " << c.adduct;
    }
}

TEST(FormulaTest, RefusalsSayWhereAndWhy)
{
    const struct {
        const char* cell;
        const char* shown;
    } cases[] = {
        {"  ", "! formula is empty @3"},
        {"Xx2", "! unknown element Xx @1"},
        {"CaC1 Fo", "! unknown element Fo @6"},
        {"c6h12o6", "! an element symbol starts with a capital letter @1"},
        {"C02", "! a count cannot start with 0 @2"},
        {"NaCl 2", "! a count must follow its element directly @6"},
        {"C1000001", "! number 1000001 is too large @2"},
        {"C9(H999999)99", "! formula has too many atoms @12"},
        {"Ca(OH2", "! ( is not closed @3"},
        {"CaOH)2", "! ) has no ( @5"},
        {"C()", "! empty parentheses @3"},
        {"C(((((((((H)))))))))", "! parentheses nested too deep @10"},
        {"[14C]6", "! unknown isotope 14C @4"},
        {"[C]", "! expected the mass number of an isotope @2"},
        {"C+ H", "! the charge must end the formula @4"},
        {"C6H12O6 M+H", "! unknown element M @9"},
        {"C6H12O6 [M+Hacc]-", "! unknown name Hacc @12"},
        {"C6H12O6 [M+H2Q]-", "! unknown element Q @14"},
        {"C6H12O6 [M+H]", "! the adduct needs the ion's charge after ], as in [M+H]+ @14"},
        {"C6H12O6 [M]", "! the adduct needs the ion's charge after ], as in [M+H]+ @12"},
        {"C6H12O6 [M+H]+ x", "! the charge must end the adduct @16"},
        {"C6H12O6 [M*H]+", "! expected +, - or ] @11"},
        {"C6H12O6 [M+]+", "! expected a name or a formula after + @12"},
        {"C6H12O6 [2M+H", "! expected ] @14"},
        {"C6H12O6 [0M+H]+", "! a count cannot start with 0 @10"},
        {"C6H12O6 [M+H]0+", "! a count cannot start with 0 @14"},
        {"C5H14NO+ [M+H]+", "! a formula with its own charge takes the adduct [M]+ @10"},
        {"C5H14NO+ [M]-", "! a formula with its own charge takes the adduct [M]+ @10"},
        {"CH4 [M+H-H2O]+", "! the adduct takes away more O than M holds @9"},
        {"C6D12O6 [M-H]-", "! the adduct takes away more H than M holds @11"},
        {"H2O [M-H2O]+", "! the adduct takes away all of M @5"},
        {"H [M]2+", "! the ion has fewer than 2 electrons to lose @3"},
        {"H+2", "! the formula has fewer than 2 electrons to lose @2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(CIonMass::ReadCell(c.cell)), c.shown) << c.cell;
}

TEST(FormulaTest, TableListAndLongTexts)
{
    // The neutral mass and the charge the dialog shows beside the m/z.
    const SIonMass bradykinin = CIonMass::ReadCell("C50H73N15O11 [M+2H]2+");
    EXPECT_EQ(CIonMass::FormatMz(bradykinin.neutralMass) + " " + std::to_string(bradykinin.charge), "1059.5614 2");
    const SIonMass refused = CIonMass::Compute("C8H10N4O2", "[M+Foo]+");
    EXPECT_EQ(CIonMass::FormatMz(refused.neutralMass) + " " + std::to_string(refused.errorInAdduct), "194.0804 1");

    EXPECT_EQ(CElementTable::Elements().size(), 84u);
    ASSERT_NE(CElementTable::FindElement("Na"), nullptr);
    EXPECT_EQ(CElementTable::FindElement("Tc"), nullptr);   // no natural isotope
    for (std::string_view common : CAdduct::Common())
        EXPECT_EQ(CAdduct::Read(common).Text(), common);
    // Reading is linear: a megabyte of atoms, and of atoms inside nested groups.
    EXPECT_NEAR(CFormula::Read(std::string(1'000'000, 'C')).Mass(), 12'000'000.0, 1e-6);
    EXPECT_TRUE(CFormula::Read("((((((((" + std::string(1'000'000, 'H') + "))))))))").IsValid());
}
