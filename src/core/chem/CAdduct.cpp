#include "CAdduct.h"

#include "CFormula.h"

#include <algorithm>
#include <utility>

using namespace chem_text;

namespace {
// Names of common adduct parts that are not formulas as written, or are written otherwise.
constexpr std::pair<std::string_view, std::string_view> kNames[] = {
    {"HCOO", "CHO2"},       // formate
    {"FA", "CH2O2"},        // formic acid
    {"CH3COO", "C2H3O2"},   // acetate
    {"Hac", "C2H4O2"},      // acetic acid
    {"HAc", "C2H4O2"},      // acetic acid
    {"ACN", "C2H3N"},       // acetonitrile
    {"MeOH", "CH4O"},       // methanol
    {"DMSO", "C2H6OS"},     // dimethyl sulfoxide
    {"IsoProp", "C3H8O"},   // isopropanol
    {"TFA", "C2HF3O2"},     // trifluoroacetic acid
};

constexpr std::string_view kCommon[] = {
    "[M+H]+",      "[M+Na]+",    "[M+K]+",     "[M+NH4]+",   "[M+2H]2+", "[M+3H]3+", "[2M+H]+",
    "[2M+Na]+",    "[M+H-H2O]+", "[M+ACN+H]+", "[M]+",       "[M-H]-",   "[M+Cl]-",  "[M+HCOO]-",
    "[M+CH3COO]-", "[M-2H]2-",   "[2M-H]-",    "[M-H2O-H]-", "[M+Br]-",  "[M]-",
};

std::string_view FormulaOfName(std::string_view name)
{
    for (const auto& [common, formula] : kNames)
        if (name == common)
            return formula;
    return {};
}
}   // namespace

CAdduct CAdduct::Read(std::string_view text)
{
    CAdduct adduct;
    if (!adduct.ReadText(text)) {
        SChemError error = std::move(adduct.m_error);
        adduct = CAdduct();
        adduct.m_error = std::move(error);
    }
    return adduct;
}

std::span<const std::string_view> CAdduct::Common()
{
    return kCommon;
}

bool CAdduct::ReadText(std::string_view text)
{
    size_t pos = SkipSpaces(text, 0);
    if (pos == text.size())
        return Fail(m_error, pos, "adduct is empty");
    if (text[pos] != '[')
        return Fail(m_error, pos, "an adduct starts with [, as in [M+H]+");
    pos = SkipSpaces(text, pos + 1);
    int64_t multimer = 1;
    if (!ReadCount(text, pos, kMaxMultimer, multimer, m_error))
        return false;
    if (pos >= text.size() || text[pos] != 'M')
        return Fail(m_error, pos, "expected M, as in [M+H]+");
    m_multimer = static_cast<int>(multimer);
    m_text = "[" + (m_multimer > 1 ? std::to_string(m_multimer) : "") + "M";
    for (pos = SkipSpaces(text, pos + 1);; pos = SkipSpaces(text, pos)) {
        if (pos >= text.size())
            return Fail(m_error, pos, "expected ]");
        if (text[pos] == ']')
            break;
        if (text[pos] != '+' && text[pos] != '-')
            return Fail(m_error, pos, "expected +, - or ]");
        if (m_parts.size() == static_cast<size_t>(kMaxParts))
            return Fail(m_error, pos, "adduct has too many parts");
        if (!ReadPart(text, pos))
            return false;
    }
    return ReadCharge(text, pos + 1);
}

// "+2Na": a sign, a count, and a common name or a formula up to the next sign or "]".
bool CAdduct::ReadPart(std::string_view text, size_t& pos)
{
    SAdductPart part;
    part.position = static_cast<int>(std::min<size_t>(pos + 1, 0x7fffffff));
    part.sign = text[pos] == '+' ? 1 : -1;
    pos = SkipSpaces(text, pos + 1);
    int64_t count = 1;
    if (!ReadCount(text, pos, kMaxPartCount, count, m_error))
        return false;
    part.count = static_cast<int>(count);
    const size_t start = SkipSpaces(text, pos);
    bool inIsotope = false;
    for (pos = start; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (!inIsotope && (c == '+' || c == '-' || c == ']'))
            break;
        if (c == '[' || c == ']')
            inIsotope = c == '[';
    }
    const std::string_view written = Trim(text.substr(start, pos - start));
    if (written.empty())
        return Fail(m_error, start, std::string("expected a name or a formula after ") + (part.sign > 0 ? "+" : "-"));
    const std::string_view common = FormulaOfName(written);
    const CFormula formula = CFormula::ReadUncharged(common.empty() ? written : common);
    if (!formula.IsValid()) {
        const SChemError& error = formula.Error();
        if (error.position == 1 && error.reason.rfind("unknown element", 0) == 0)
            return Fail(m_error, start, "unknown name " + std::string(written.substr(0, 20)));
        return Fail(m_error, start + static_cast<size_t>(error.position) - 1, error.reason);
    }
    part.name = common.empty() ? formula.Text() : std::string(written);
    part.atoms = formula.Atoms();
    if (!m_added.AddScaled(part.atoms, part.sign * count))
        return Fail(m_error, start, "adduct has too many atoms");
    m_text += (part.sign > 0 ? "+" : "-") + (part.count > 1 ? std::to_string(part.count) : "") + part.name;
    m_parts.push_back(std::move(part));
    return true;
}

// After "]": "+", "-", "2+", "3-", or "+2", "-3"; nothing but spaces may follow.
bool CAdduct::ReadCharge(std::string_view text, size_t pos)
{
    pos = SkipSpaces(text, pos);
    int64_t size = 1;
    int sign = 0;
    const size_t start = pos;
    if (!ReadCount(text, pos, CFormula::kMaxCharge, size, m_error))
        return false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        sign = text[pos++] == '+' ? 1 : -1;
    else
        return Fail(m_error, pos, "the adduct needs the ion's charge after ], as in [M+H]+");
    if (pos == start + 1 && !ReadCount(text, pos, CFormula::kMaxCharge, size, m_error))
        return false;
    pos = SkipSpaces(text, pos);
    if (pos < text.size())
        return Fail(m_error, pos, "the charge must end the adduct");
    m_charge = sign * static_cast<int>(size);
    m_text += "]" + ChargeText(m_charge, true);
    return true;
}
