#include "CFormula.h"

#include "CElementTable.h"

#include <vector>

using namespace chem_text;

namespace {
// Atoms of one isotope, as read, before the counts of enclosing groups apply.
struct SAtoms {
    int isotope = 0;
    int64_t count = 0;
};

// One pair of parentheses (or the top): its atoms are those of m_atoms from first on.
struct SLevel {
    size_t first = 0;
    int64_t total = 0;   // the sum of their counts, within CAtomCounts::kMaxAtoms
    size_t open = 0;     // where its "(" stands
};

class CFormulaReading {
public:
    CFormulaReading(std::string_view text, SChemError& error) : m_text(text), m_error(error)
    {
        m_levels.emplace_back();
    }

    // Reads the whole text into atoms, charge and the text without spaces.
    bool Read(bool chargeAllowed, CAtomCounts& atoms, int& charge, std::string& body)
    {
        const size_t first = SkipSpaces(m_text, 0);
        if (first == m_text.size())
            return Fail(m_error, first, "formula is empty");
        size_t bodyEnd = m_text.size();
        for (m_pos = first; m_pos < m_text.size();) {
            const char c = m_text[m_pos];
            if (IsSpace(c))
                ++m_pos;
            else if (c == '(')
                Open();
            else if (c == ')')
                Close();
            else if (c == '[')
                ReadIsotope();
            else if (IsUpper(c))
                ReadElement();
            else if (chargeAllowed && (c == '+' || c == '-' || IsDigit(c))) {
                bodyEnd = m_pos;
                if (!ReadCharge(charge))
                    return false;
                break;
            } else if (IsDigit(c))
                Fail(m_error, m_pos, "a count must follow its element directly");
            else if (IsLower(c))
                Fail(m_error, m_pos, "an element symbol starts with a capital letter");
            else
                Fail(m_error, m_pos, "character not understood");
            if (!m_error.reason.empty())
                return false;
        }
        if (m_levels.size() > 1)
            return Fail(m_error, m_levels.back().open, "( is not closed");
        if (m_atoms.empty())
            return Fail(m_error, first, "formula has no element");
        for (const SAtoms& a : m_atoms)
            if (!atoms.Add(a.isotope, a.count))
                return Fail(m_error, first, "formula has too many atoms");
        if (charge > atoms.Protons())
            return Fail(m_error, bodyEnd,
                        "the formula has fewer than " + std::to_string(charge) + " electrons to lose");
        for (size_t i = first; i < bodyEnd; ++i)
            if (!IsSpace(m_text[i]))
                body += m_text[i];
        return true;
    }

private:
    void Open()
    {
        if (m_levels.size() > static_cast<size_t>(CFormula::kMaxDepth)) {
            Fail(m_error, m_pos, "parentheses nested too deep");
            return;
        }
        m_levels.push_back({m_atoms.size(), 0, m_pos++});
    }

    void Close()
    {
        if (m_levels.size() == 1) {
            Fail(m_error, m_pos, ") has no (");
            return;
        }
        if (m_levels.back().first == m_atoms.size()) {
            Fail(m_error, m_pos, "empty parentheses");
            return;
        }
        ++m_pos;
        const size_t countAt = m_pos;
        int64_t count = 1;
        if (!ReadCount(m_text, m_pos, CFormula::kMaxCount, count, m_error))
            return;
        const SLevel inner = m_levels.back();
        m_levels.pop_back();
        SLevel& outer = m_levels.back();
        if (inner.total > (CAtomCounts::kMaxAtoms - outer.total) / count) {
            Fail(m_error, countAt, "formula has too many atoms");
            return;
        }
        if (count > 1)
            for (size_t i = inner.first; i < m_atoms.size(); ++i)
                m_atoms[i].count *= count;
        outer.total += inner.total * count;
    }

    // "[13C]": a mass number, an element symbol, "]", then a count.
    void ReadIsotope()
    {
        const size_t start = m_pos++;
        int64_t massNumber = 0;
        if (!ReadCount(m_text, m_pos, 999, massNumber, m_error))
            return;
        if (massNumber == 0) {
            Fail(m_error, m_pos, "expected the mass number of an isotope");
            return;
        }
        const size_t symbolAt = m_pos;
        const SElement* element = ReadSymbol();
        if (element == nullptr)
            return;
        const std::string name = std::to_string(massNumber) + element->symbol;
        const int isotope = CElementTable::FindIsotope(*element, static_cast<int>(massNumber));
        if (isotope < 0) {
            Fail(m_error, symbolAt, "unknown isotope " + name);
            return;
        }
        if (m_pos >= m_text.size() || m_text[m_pos] != ']') {
            Fail(m_error, m_pos, "expected ] after [" + name);
            return;
        }
        ++m_pos;
        AddCounted(isotope, start);
    }

    void ReadElement()
    {
        const size_t start = m_pos;
        if (m_text[m_pos] == 'D' && (m_pos + 1 >= m_text.size() || !IsLower(m_text[m_pos + 1]))) {
            ++m_pos;
            AddCounted(CElementTable::FindIsotope(*CElementTable::FindElement("H"), 2), start);
            return;
        }
        if (const SElement* element = ReadSymbol())
            AddCounted(element->mainIsotope, start);
    }

    // A capital letter and the small letters after it, as a known element.
    const SElement* ReadSymbol()
    {
        const size_t start = m_pos;
        if (m_pos >= m_text.size() || !IsUpper(m_text[m_pos])) {
            Fail(m_error, m_pos, "expected an element symbol");
            return nullptr;
        }
        ++m_pos;
        while (m_pos < m_text.size() && IsLower(m_text[m_pos]))
            ++m_pos;
        const std::string_view symbol = m_text.substr(start, m_pos - start);
        const SElement* element = CElementTable::FindElement(symbol);
        if (element == nullptr)
            Fail(m_error, start,
                 "unknown element " + std::string(symbol.substr(0, 12)) + (symbol.size() > 12 ? "..." : ""));
        return element;
    }

    // The count after an element or isotope, and the atoms added to the open level.
    void AddCounted(int isotope, size_t start)
    {
        int64_t count = 1;
        if (!ReadCount(m_text, m_pos, CFormula::kMaxCount, count, m_error))
            return;
        SLevel& level = m_levels.back();
        if (count > CAtomCounts::kMaxAtoms - level.total) {
            Fail(m_error, start, "formula has too many atoms");
            return;
        }
        m_atoms.push_back({isotope, count});
        level.total += count;
    }

    // "+", "-", "+2", "-3", or after a space "2+": nothing but spaces may follow.
    bool ReadCharge(int& charge)
    {
        const size_t start = m_pos;
        int64_t size = 1;
        int sign = 0;
        if (IsDigit(m_text[m_pos])) {
            if (m_pos == 0 || !IsSpace(m_text[m_pos - 1]))
                return Fail(m_error, m_pos, "a count must follow its element directly");
            if (!ReadCount(m_text, m_pos, CFormula::kMaxCharge, size, m_error))
                return false;
            if (m_pos >= m_text.size() || (m_text[m_pos] != '+' && m_text[m_pos] != '-'))
                return Fail(m_error, start, "a count must follow its element directly");
            sign = m_text[m_pos++] == '+' ? 1 : -1;
        } else {
            sign = m_text[m_pos++] == '+' ? 1 : -1;
            if (!ReadCount(m_text, m_pos, CFormula::kMaxCharge, size, m_error))
                return false;
        }
        m_pos = SkipSpaces(m_text, m_pos);
        if (m_pos < m_text.size())
            return Fail(m_error, m_pos, "the charge must end the formula");
        charge = sign * static_cast<int>(size);
        return true;
    }

    std::string_view m_text;
    SChemError& m_error;
    size_t m_pos = 0;
    std::vector<SLevel> m_levels;
    std::vector<SAtoms> m_atoms;   // in the order read
};
}   // namespace

CFormula CFormula::Read(std::string_view text)
{
    return Read(text, true);
}

CFormula CFormula::ReadUncharged(std::string_view text)
{
    return Read(text, false);
}

CFormula CFormula::Read(std::string_view text, bool chargeAllowed)
{
    CFormula formula;
    std::string body;
    CFormulaReading reading(text, formula.m_error);
    if (!reading.Read(chargeAllowed, formula.m_atoms, formula.m_charge, body)) {
        formula.m_atoms = CAtomCounts();
        formula.m_charge = 0;
        return formula;
    }
    formula.m_text = body + (formula.m_charge == 0 ? "" : ChargeText(formula.m_charge, false));
    return formula;
}
