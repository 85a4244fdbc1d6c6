#pragma once

#include <cstdint>
#include <string>
#include <vector>

// How many atoms of each isotope of CElementTable::Isotopes() a formula or an ion holds
// (a count may be negative for what an adduct takes away). Every count stays within
// kMaxAtoms, so masses stay finite and sums cannot overflow.
class CAtomCounts {
public:
    static constexpr int64_t kMaxAtoms = 10'000'000;

    CAtomCounts();
    // Adds count atoms of an isotope; false, changing nothing, when a count would leave
    // the bounds.
    bool Add(int isotope, int64_t count);
    // Adds factor times every count of other; false, changing nothing, when a count would
    // leave the bounds.
    bool AddScaled(const CAtomCounts& other, int64_t factor);

    int64_t Count(int isotope) const;
    bool IsEmpty() const;
    // The first isotope with a negative count; -1 if none.
    int FirstNegative() const;
    // The monoisotopic mass of the atoms, u (electrons not counted).
    double Mass() const;
    // The number of protons, the most electrons the atoms can give up.
    int64_t Protons() const;
    // An isotope as a formula names it: "C" for the most abundant, else "[13C]".
    static std::string IsotopeName(int isotope);

    bool operator==(const CAtomCounts& other) const = default;

private:
    std::vector<int64_t> m_counts;
};
