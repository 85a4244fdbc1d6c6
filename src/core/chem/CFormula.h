#pragma once

#include "CAtomCounts.h"
#include "ChemText.h"

#include <string>
#include <string_view>

// A molecular formula as a chemist writes it: element symbols with counts (C8H10N4O2),
// groups in parentheses with counts (Ca(OH)2, nested at most kMaxDepth deep), isotopes
// in brackets ([13C]6, [2H]) and D for deuterium, and at the end, optionally, the charge
// the formula carries itself (C5H14NO+, Fe+3, or after a space SO4 2-). A count follows
// its element, group or isotope directly, so NO2+ is NO2 with charge 1+. Spaces and tabs
// may stand between the parts. Symbols are matched in their exact letter case and an
// unknown one is refused, never guessed. Reading takes time in proportion to the text.
class CFormula {
public:
    static constexpr int kMaxDepth = 8;
    static constexpr int64_t kMaxCount = 1'000'000;
    static constexpr int kMaxCharge = 1000;

    // The formula of a text, or why it is not understood.
    static CFormula Read(std::string_view text);
    // A formula that takes no charge of its own: a part of an adduct.
    static CFormula ReadUncharged(std::string_view text);

    bool IsValid() const { return m_error.reason.empty(); }
    const SChemError& Error() const { return m_error; }
    // The atoms as written.
    const CAtomCounts& Atoms() const { return m_atoms; }
    // The monoisotopic mass of the atoms as written, u (electrons not counted).
    double Mass() const { return m_atoms.Mass(); }
    // The charge the formula carries itself; 0 for a neutral formula.
    int Charge() const { return m_charge; }
    // The formula without spaces, its charge written sign first ("C5H14NO+", "SO4-2").
    const std::string& Text() const { return m_text; }

private:
    static CFormula Read(std::string_view text, bool chargeAllowed);

    CAtomCounts m_atoms;
    int m_charge = 0;
    std::string m_text;
    SChemError m_error;
};
