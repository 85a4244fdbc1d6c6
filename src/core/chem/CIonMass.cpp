#include "CIonMass.h"

#include <charconv>
#include <cstdlib>

using namespace chem_text;

namespace {
SIonMass Refused(const SChemError& error)
{
    SIonMass ion;
    ion.error = error;
    return ion;
}

// An adduct that does not fit the formula; the formula's mass is still given.
SIonMass RefusedInAdduct(const CFormula& formula, int position, std::string reason)
{
    SIonMass ion;
    ion.neutralMass = formula.Mass();
    ion.error = {std::move(reason), position};
    ion.errorInAdduct = true;
    return ion;
}

// Where a part takes away an isotope: the first part with a minus that holds it.
int RemovingPart(const CAdduct& adduct, int isotope)
{
    for (const SAdductPart& part : adduct.Parts())
        if (part.sign < 0 && part.atoms.Count(isotope) > 0)
            return part.position;
    return 1;
}
}   // namespace

SIonMass CIonMass::Compute(std::string_view formula, std::string_view adduct)
{
    const CFormula read = CFormula::Read(formula);
    if (!read.IsValid())
        return Refused(read.Error());
    if (!Trim(adduct).empty())
        return Compute(read, CAdduct::Read(adduct));
    const std::string standard =
        read.Charge() == 0 ? std::string(kDefaultAdduct) : "[M]" + ChargeText(read.Charge(), true);
    return Compute(read, CAdduct::Read(standard));
}

SIonMass CIonMass::Compute(const CFormula& formula, const CAdduct& adduct)
{
    if (!formula.IsValid())
        return Refused(formula.Error());
    if (!adduct.IsValid())
        return RefusedInAdduct(formula, adduct.Error().position, adduct.Error().reason);
    const int z = adduct.Charge();
    if (formula.Charge() != 0 && (adduct.Multimer() != 1 || !adduct.Parts().empty() || z != formula.Charge()))
        return RefusedInAdduct(
            formula, 1, "a formula with its own charge takes the adduct [M]" + ChargeText(formula.Charge(), true));
    CAtomCounts ion;
    if (!ion.AddScaled(formula.Atoms(), adduct.Multimer()) || !ion.AddScaled(adduct.Added(), 1))
        return RefusedInAdduct(formula, 1, "the ion has too many atoms");
    const std::string molecules = (adduct.Multimer() > 1 ? std::to_string(adduct.Multimer()) : "") + "M";
    if (const int missing = ion.FirstNegative(); missing >= 0)
        return RefusedInAdduct(formula, RemovingPart(adduct, missing),
                               "the adduct takes away more " + CAtomCounts::IsotopeName(missing) + " than " + molecules
                                   + " holds");
    if (ion.IsEmpty())
        return RefusedInAdduct(formula, 1, "the adduct takes away all of " + molecules);
    if (z > ion.Protons())
        return RefusedInAdduct(formula, 1, "the ion has fewer than " + std::to_string(z) + " electrons to lose");

    SIonMass result;
    result.ok = true;
    result.neutralMass = formula.Mass();
    result.charge = z;
    result.mz = (ion.Mass() - z * kElectronMass) / std::abs(z);
    result.name = formula.Text() + " " + adduct.Text();
    return result;
}

SIonMass CIonMass::ReadCell(std::string_view cell)
{
    // The adduct starts at the first "[" that opens "[M", "[2M" ...: a formula never holds
    // that, and an isotope's "[" ("[13C]") may stand in the formula and in the adduct.
    size_t split = cell.size();
    for (size_t open = cell.find('['); open != std::string_view::npos; open = cell.find('[', open + 1)) {
        size_t pos = SkipSpaces(cell, open + 1);
        while (pos < cell.size() && IsDigit(cell[pos]))
            ++pos;
        if (pos < cell.size() && cell[pos] == 'M') {
            split = open;
            break;
        }
    }
    SIonMass ion = Compute(cell.substr(0, split), cell.substr(split));
    if (!ion.ok && ion.errorInAdduct)
        ion.error.position += static_cast<int>(split);
    return ion;
}

std::string CIonMass::FormatMz(double mz)
{
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, mz, std::chars_format::fixed, 4);
    if (ec != std::errc())
        return {};
    return std::string(text, end);
}
