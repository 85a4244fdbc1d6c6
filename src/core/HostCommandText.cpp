#include "HostCommandText.h"

namespace {
const char kShowCommandPrefix[] = "chrodisplay:";

// The acquisition function as the host names it: its number, or "DAD" for function 0.
std::string FunctionText(int function)
{
    return function == 0 ? std::string("DAD") : std::to_string(function);
}
}   // namespace

std::string host_command::Text(const char* name, const char* argument)
{
    std::string text = "app.command[";
    text += name;
    text += "](";
    if (argument)
        text += argument;
    text += ")";
    return text;
}

std::string host_command::TraceText(const CChromatogramData& rec)
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

std::string host_command::DisplayText(const CChromatogramData& rec, const char* kind)
{
    std::string text = "app.command[";
    text += kShowCommandPrefix;
    text += kind ? kind : "";
    text += "](";
    text += TraceText(rec);
    text += ")";
    return text;
}

bool host_command::IsSafeField(const std::string& text)
{
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F || c == '(' || c == ')' || c == '[' || c == ']')
            return false;
    }
    return true;
}
