#include "CAtomCounts.h"

#include "CElementTable.h"

#include <cstdlib>

CAtomCounts::CAtomCounts() : m_counts(CElementTable::Isotopes().size(), 0) {}

bool CAtomCounts::Add(int isotope, int64_t count)
{
    if (isotope < 0 || static_cast<size_t>(isotope) >= m_counts.size() || std::llabs(count) > kMaxAtoms)
        return false;
    const int64_t sum = m_counts[static_cast<size_t>(isotope)] + count;
    if (std::llabs(sum) > kMaxAtoms)
        return false;
    m_counts[static_cast<size_t>(isotope)] = sum;
    return true;
}

bool CAtomCounts::AddScaled(const CAtomCounts& other, int64_t factor)
{
    if (std::llabs(factor) > kMaxAtoms)
        return false;
    for (size_t i = 0; i < m_counts.size(); ++i) {
        // Both counts and the factor are within kMaxAtoms, so the product fits in 64 bits.
        const int64_t sum = m_counts[i] + other.m_counts[i] * factor;
        if (std::llabs(sum) > kMaxAtoms)
            return false;
    }
    for (size_t i = 0; i < m_counts.size(); ++i)
        m_counts[i] += other.m_counts[i] * factor;
    return true;
}

int64_t CAtomCounts::Count(int isotope) const
{
    return m_counts.at(static_cast<size_t>(isotope));
}

bool CAtomCounts::IsEmpty() const
{
    for (int64_t count : m_counts)
        if (count != 0)
            return false;
    return true;
}

int CAtomCounts::FirstNegative() const
{
    for (size_t i = 0; i < m_counts.size(); ++i)
        if (m_counts[i] < 0)
            return static_cast<int>(i);
    return -1;
}

double CAtomCounts::Mass() const
{
    const auto isotopes = CElementTable::Isotopes();
    double mass = 0;
    for (size_t i = 0; i < m_counts.size(); ++i)
        if (m_counts[i] != 0)
            mass += static_cast<double>(m_counts[i]) * isotopes[i].mass;
    return mass;
}

int64_t CAtomCounts::Protons() const
{
    const auto isotopes = CElementTable::Isotopes();
    int64_t protons = 0;
    for (size_t i = 0; i < m_counts.size(); ++i)
        protons += m_counts[i] * isotopes[i].number;
    return protons;
}

std::string CAtomCounts::IsotopeName(int isotope)
{
    const SElement& element = CElementTable::ElementOf(isotope);
    if (element.mainIsotope == isotope)
        return element.symbol;
    return "[" + std::to_string(CElementTable::Isotopes()[static_cast<size_t>(isotope)].massNumber) + element.symbol
           + "]";
}
