#include "CChroDisplayLink.h"

#include "CHostScript.h"

namespace {
const char kShowCommandPrefix[] = "chrodisplay:";

// The acquisition function as the host names it: its number, or "DAD" for function 0.
std::string FunctionText(int function)
{
    return function == 0 ? std::string("DAD") : std::to_string(function);
}

bool SendText(const std::string& text)
{
    const CHostScript& host = CHostScript::Get();
    if (!host.IsOrvalisRunning())
        return false;
    return host.Command(text.c_str(), CChroDisplayLink::kHostTimeout);
}
}   // namespace

bool CChroDisplayLink::IsSafeField(const std::string& text)
{
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F || c == '(' || c == ')' || c == '[' || c == ']')
            return false;
    }
    return true;
}

bool CChroDisplayLink::SendHostCommand(const char* command, const char* argument)
{
    if (!command || !IsSafeField(command) || (argument && !IsSafeField(argument)))
        return false;
    std::string text = "app.command[";
    text += command;
    text += "](";
    if (argument)
        text += argument;
    text += ")";
    return SendText(text);
}

bool CChroDisplayLink::ClearDisplay()
{
    return SendHostCommand("chrodisplay:clear", nullptr);
}

bool CChroDisplayLink::SetDisplayRange(const char* range)
{
    return SendHostCommand("chrodisplay:range", range);
}

std::string CChroDisplayLink::TraceSpecification(const CChromatogramData& rec)
{
    switch (rec.m_nType) {
    case 0:
        return "TIC:" + FunctionText(rec.m_nFunction);
    case 1:
        return "BPI:" + FunctionText(rec.m_nFunction);
    case 2:
        return "MASS:" + rec.m_strMass + ":" + FunctionText(rec.m_nFunction);
    case 3:
        return "ANALOG" + std::to_string(rec.m_nAnalogue);
    default:
        return std::string();
    }
}

bool CChroDisplayLink::BuildDisplayCommand(CChromatogramData rec, std::string& text, const char* kind)
{
    text = "app.command[";
    text += kShowCommandPrefix;
    text += kind ? kind : "";
    text += "](";
    text += TraceSpecification(rec);
    text += ")";
    return true;
}

bool CChroDisplayLink::LaunchChromatogram(CChromatogramData rec, const char* kind)
{
    if (!CHostScript::Get().IsOrvalisRunning())
        return false;
    if (!kind || !IsSafeField(kind) || !IsSafeField(TraceSpecification(rec)))
        return false;
    std::string text;
    BuildDisplayCommand(rec, text, kind);
    return CHostScript::Get().Command(text.c_str(), kHostTimeout);
}
