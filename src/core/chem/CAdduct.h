#pragma once

#include "CAtomCounts.h"
#include "ChemText.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// One part an adduct adds or takes away: "+2Na" is sign 1, count 2, name "Na".
struct SAdductPart {
    int sign = 1;
    int count = 1;
    std::string name;    // as written: a common name (FA, ACN) or a formula
    CAtomCounts atoms;   // of one of it
    int position = 0;    // of its sign in the adduct text, from 1
};

// An ion form written [nM+X-Y...]z+ or z-: n molecules (n = 1 when left out), the parts added
// or taken away, each a formula or one of the common names (HCOO, FA, CH3COO, Hac, ACN,
// MeOH, DMSO, IsoProp; unknown names are refused), and the ion's charge, which must be
// written after the bracket ("[M+2H]2+", "[M-H]-"; "+2" is read as "2+"). [M]+ and [M]-
// add or take away nothing but electrons. Spaces may stand between the parts.
class CAdduct {
public:
    static constexpr int kMaxMultimer = 100;
    static constexpr int kMaxPartCount = 1000;
    static constexpr int kMaxParts = 16;

    static CAdduct Read(std::string_view text);
    // The adducts offered for choice, positive ions first.
    static std::span<const std::string_view> Common();

    bool IsValid() const { return m_error.reason.empty(); }
    const SChemError& Error() const { return m_error; }
    int Multimer() const { return m_multimer; }
    const std::vector<SAdductPart>& Parts() const { return m_parts; }
    // The atoms all parts add, less those they take away.
    const CAtomCounts& Added() const { return m_added; }
    // The ion's charge.
    int Charge() const { return m_charge; }
    // The adduct without spaces, its charge number first ("[M+2H]2+").
    const std::string& Text() const { return m_text; }

private:
    bool ReadText(std::string_view text);
    bool ReadPart(std::string_view text, size_t& pos);
    bool ReadCharge(std::string_view text, size_t pos);

    int m_multimer = 1;
    std::vector<SAdductPart> m_parts;
    CAtomCounts m_added;
    int m_charge = 0;
    std::string m_text;
    SChemError m_error;
};
