#pragma once

#include "CAdduct.h"
#include "CFormula.h"
#include "ChemText.h"

#include <string>
#include <string_view>

// The m/z of a formula in an ion form, or why it cannot be given.
struct SIonMass {
    bool ok = false;
    double neutralMass = 0;   // of the formula's atoms as written, u, also when the adduct is refused
    int charge = 0;           // the ion's
    double mz = 0;
    std::string name;   // "C8H10N4O2 [M+H]+"
    SChemError error;
    bool errorInAdduct = false;   // the error's position is in the adduct's text
};

// Turns a formula and an adduct into the ion's m/z:
//   m/z = (n * M + added - taken away - z * e) / |z|
// with the masses of the atoms as written and the electron's mass e; the ion's charge z
// is the one the adduct states, so a negative ion counts its extra electrons. A formula
// that carries its own charge (C5H14NO+) already is the ion: it takes only the adduct [M]
// with that same charge ([M]+), and its m/z lacks the electrons as any other ion's does.
// An adduct may not take away atoms the n molecules do not hold.
class CIonMass {
public:
    static constexpr double kElectronMass = 5.48579909065e-4;   // u, CODATA 2018
    static constexpr std::string_view kDefaultAdduct = "[M+H]+";

    // With an empty adduct text, [M+H]+ (or [M]+, [M]2- ... for a formula with a charge).
    static SIonMass Compute(std::string_view formula, std::string_view adduct);
    static SIonMass Compute(const CFormula& formula, const CAdduct& adduct);
    // One cell of a table: a formula, optionally followed by its adduct
    // ("C6H12O6 [M-H]-"); positions in the error count from the cell's start.
    static SIonMass ReadCell(std::string_view cell);
    // An m/z as it is shown and stored: rounded once, to 4 decimals ("195.0877").
    static std::string FormatMz(double mz);
};
