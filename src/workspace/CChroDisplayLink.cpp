#include "CChroDisplayLink.h"

#include "CHostScript.h"
#include "HostCommandText.h"

using host_command::IsSafeField;

namespace {
bool SendText(const std::string& text)
{
    const CHostScript& host = CHostScript::Get();
    if (!host.IsOrvalisRunning())
        return false;
    return host.Command(text.c_str(), CChroDisplayLink::kHostTimeout);
}
}   // namespace

bool CChroDisplayLink::SendHostCommand(const char* command, const char* argument)
{
    if (!command || !IsSafeField(command) || (argument && !IsSafeField(argument)))
        return false;
    return SendText(host_command::Text(command, argument));
}

bool CChroDisplayLink::ClearDisplay()
{
    return SendHostCommand("chrodisplay:clear", nullptr);
}

bool CChroDisplayLink::SetDisplayRange(const char* range)
{
    return SendHostCommand("chrodisplay:range", range);
}

bool CChroDisplayLink::BuildDisplayCommand(CChromatogramData rec, std::string& text, const char* kind)
{
    text = host_command::DisplayText(rec, kind);
    return true;
}

bool CChroDisplayLink::LaunchChromatogram(CChromatogramData rec, const char* kind)
{
    if (!CHostScript::Get().IsOrvalisRunning())
        return false;
    if (!kind || !IsSafeField(kind) || !IsSafeField(host_command::TraceText(rec)))
        return false;
    std::string text;
    BuildDisplayCommand(rec, text, kind);
    return CHostScript::Get().Command(text.c_str(), kHostTimeout);
}
