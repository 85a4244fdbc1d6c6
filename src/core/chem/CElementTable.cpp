#include "CElementTable.h"

#include <array>
#include <cstdint>

namespace {
// A symbol's slot in the lookup array: its capital letter, and its small letter or none.
int Slot(char upper, char lower)
{
    return (upper - 'A') * 27 + (lower == 0 ? 0 : lower - 'a' + 1);
}

using SlotArray = std::array<int16_t, 26 * 27>;

SlotArray MakeSlots()
{
    SlotArray slots;
    slots.fill(-1);
    const std::span<const SElement> elements = CElementTable::Elements();
    for (size_t i = 0; i < elements.size(); ++i)
        slots[static_cast<size_t>(Slot(elements[i].symbol[0], elements[i].symbol[1]))] = static_cast<int16_t>(i);
    return slots;
}
}   // namespace

const SElement* CElementTable::FindElement(std::string_view symbol)
{
    if (symbol.empty() || symbol.size() > 2 || symbol[0] < 'A' || symbol[0] > 'Z')
        return nullptr;
    const char lower = symbol.size() == 2 ? symbol[1] : 0;
    if (lower != 0 && (lower < 'a' || lower > 'z'))
        return nullptr;
    static const SlotArray slots = MakeSlots();
    const int index = slots[static_cast<size_t>(Slot(symbol[0], lower))];
    return index < 0 ? nullptr : &Elements()[static_cast<size_t>(index)];
}

int CElementTable::FindIsotope(const SElement& element, int massNumber)
{
    const std::span<const SIsotope> isotopes = Isotopes();
    for (int i = element.firstIsotope; i < element.firstIsotope + element.isotopeCount; ++i)
        if (isotopes[static_cast<size_t>(i)].massNumber == massNumber)
            return i;
    return -1;
}

const SElement& CElementTable::ElementOf(int isotope)
{
    for (const SElement& element : Elements())
        if (isotope >= element.firstIsotope && isotope < element.firstIsotope + element.isotopeCount)
            return element;
    return Elements().front();
}
