// Feeds arbitrary bytes to the formula reader, the adduct reader and the table cell
// reader. Whatever is refused names a reason and a position inside the text (or just
// after it); whatever is read gives finite masses, and its written-out form reads back
// to the same atoms, charge and m/z.
#include "CIonMass.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckError(const SChemError& error, size_t size)
{
    Check(!error.reason.empty() && error.position >= 1 && static_cast<size_t>(error.position) <= size + 1);
}

void CheckFormula(std::string_view text)
{
    const CFormula formula = CFormula::Read(text);
    if (!formula.IsValid()) {
        CheckError(formula.Error(), text.size());
        return;
    }
    Check(std::isfinite(formula.Mass()) && formula.Mass() > 0);
    const CFormula again = CFormula::Read(formula.Text());
    Check(again.IsValid() && again.Atoms() == formula.Atoms() && again.Charge() == formula.Charge()
          && again.Text() == formula.Text());
}

void CheckAdduct(std::string_view text)
{
    const CAdduct adduct = CAdduct::Read(text);
    if (!adduct.IsValid()) {
        CheckError(adduct.Error(), text.size());
        return;
    }
    Check(adduct.Charge() != 0 && adduct.Multimer() >= 1);
    const CAdduct again = CAdduct::Read(adduct.Text());
    Check(again.IsValid() && again.Added() == adduct.Added() && again.Charge() == adduct.Charge()
          && again.Multimer() == adduct.Multimer() && again.Text() == adduct.Text());
}

void CheckIon(const SIonMass& ion, size_t size)
{
    if (!ion.ok) {
        CheckError(ion.error, size);
        return;
    }
    Check(std::isfinite(ion.mz) && ion.mz > 0 && std::isfinite(ion.neutralMass) && ion.charge != 0);
    Check(!CIonMass::FormatMz(ion.mz).empty());
    const SIonMass again = CIonMass::ReadCell(ion.name);
    Check(again.ok && again.mz == ion.mz && again.name == ion.name && again.charge == ion.charge);
}
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckFormula(text);
    CheckAdduct(text);
    CheckIon(CIonMass::ReadCell(text), text.size());
    // Formula and adduct apart, as the dialog's two boxes give them: split at a line break.
    const size_t split = text.find('\n');
    if (split != std::string_view::npos) {
        const std::string_view adduct = text.substr(split + 1);
        const SIonMass ion = CIonMass::Compute(text.substr(0, split), adduct);
        CheckIon(ion, ion.errorInAdduct ? adduct.size() : split);
    }
    return 0;
}
