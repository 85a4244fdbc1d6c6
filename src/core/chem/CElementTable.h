#pragma once

#include <span>
#include <string_view>

// An isotope with a natural abundance.
struct SIsotope {
    int number = 0;   // atomic number
    int massNumber = 0;
    double mass = 0;        // u
    double abundance = 0;   // percent of the element's atoms
};

// An element with a natural abundance: its most abundant isotope, and where its isotopes
// stand in CElementTable::Isotopes().
struct SElement {
    const char* symbol = "";
    int number = 0;
    int massNumber = 0;    // of the most abundant isotope
    double mass = 0;       // of the most abundant isotope, u
    int mainIsotope = 0;   // index of the most abundant isotope in Isotopes()
    int firstIsotope = 0;
    int isotopeCount = 0;
};

// The element and isotope masses a formula is read with: the 84 elements that occur in
// nature and their natural isotopes, generated from NIST's table (ElementData.cpp).
class CElementTable {
public:
    static std::span<const SIsotope> Isotopes();
    static std::span<const SElement> Elements();
    // The element of a symbol ("C", "Na"), matched in its exact letter case; null if none.
    static const SElement* FindElement(std::string_view symbol);
    // The index in Isotopes() of an element's isotope of that mass number; -1 if the table
    // has no such isotope.
    static int FindIsotope(const SElement& element, int massNumber);
    // The element an index of Isotopes() belongs to.
    static const SElement& ElementOf(int isotope);
};
