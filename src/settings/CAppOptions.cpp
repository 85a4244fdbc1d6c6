#include "CAppOptions.h"

namespace {
const char kFormulaAdduct[] = "FormulaAdduct";
const char kDefaultAdduct[] = "[M+H]+";
// Longer than any adduct the formula dialog reads.
constexpr size_t kMaxAdductLength = 256;
}   // namespace

void CAppOptions::DefineEntries()
{
    DefineEntry(OPTION_VISIBLE, "Visible", 0);
    DefineEntry(OPTION_MINI, "Mini", 0);
    DefineEntry(OPTION_AUTOMATE, "Automate", 0);
    DefineEntry(OPTION_GROUP, "Group", 0);
    DefineEntry(OPTION_CHROMATOGRAM, "Chromatogram", 0);
}

bool CAppOptions::GetBoolInto(int id, bool* value)
{
    const bool result = GetBool(id);
    if (value)
        *value = result;
    return result;
}

int CAppOptions::GetIntInto(int id, int* value)
{
    const int result = GetInt(id);
    if (value)
        *value = result;
    return result;
}

bool CAppOptions::GetVisible(bool* visible)
{
    return GetBoolInto(OPTION_VISIBLE, visible);
}

void CAppOptions::SetVisible(bool visible)
{
    SetBool(OPTION_VISIBLE, visible);
    SaveAll();
}

bool CAppOptions::GetMini(bool* mini)
{
    return GetBoolInto(OPTION_MINI, mini);
}

void CAppOptions::SetMini(bool mini)
{
    if (SetBool(OPTION_MINI, mini))
        SaveEntry(OPTION_MINI);
}

bool CAppOptions::GetAutomate(bool* automate)
{
    return GetBoolInto(OPTION_AUTOMATE, automate);
}

void CAppOptions::SetAutomate(bool automate)
{
    SetBool(OPTION_AUTOMATE, automate);
    SaveAll();
}

int CAppOptions::GetGroup(int* group)
{
    return GetIntInto(OPTION_GROUP, group);
}

void CAppOptions::SetGroup(int group)
{
    if (SetInt(OPTION_GROUP, group))
        SaveEntry(OPTION_GROUP);
}

int CAppOptions::GetChromatogram(int* chromatogram)
{
    return GetIntInto(OPTION_CHROMATOGRAM, chromatogram);
}

void CAppOptions::SetChromatogram(int chromatogram)
{
    if (SetInt(OPTION_CHROMATOGRAM, chromatogram))
        SaveEntry(OPTION_CHROMATOGRAM);
}

std::string CAppOptions::GetFormulaAdduct() const
{
    std::string adduct = ReadString(kFormulaAdduct, kDefaultAdduct);
    if (adduct.empty() || adduct.size() > kMaxAdductLength)
        return kDefaultAdduct;
    return adduct;
}

void CAppOptions::SetFormulaAdduct(const std::string& adduct)
{
    WriteString(kFormulaAdduct, adduct.c_str());
}
