#include "CHostSimOptions.h"

#include <cstdlib>

namespace {
struct SCommandWord {
    const char* word;
    int command;
};
// The tool's command message values.
const SCommandWord kCommands[] = {{"hide", 0}, {"show", 1}, {"nothing", 2}, {"close", 3}, {"launch", 4}};

// A decimal count of milliseconds, nothing else.
bool ParseMs(const std::string& text, DWORD& ms)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    ms = static_cast<DWORD>(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

bool ParseSwitch(const std::string& text, bool& on)
{
    if (text != "on" && text != "off")
        return false;
    on = text == "on";
    return true;
}
}   // namespace

const char* CHostSimOptions::Usage()
{
    return "usage: hostsim [options] [script words]\n"
           "options: --tool PATH  --no-start  --log FILE  --refuse  --hang  --hang-ms N\n"
           "         --create-timeout MS  --close-timeout MS\n"
           "script:  show | hide | nothing | launch | close | wait MS | refuse on|off |\n"
           "         hang on|off | quit\n";
}

bool CHostSimOptions::Fail(const std::string& error)
{
    m_strError = error;
    return false;
}

bool CHostSimOptions::Parse(int argc, char** argv)
{
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
    size_t i = 0;
    while (i < args.size() && args[i].rfind("--", 0) == 0) {
        if (!ParseOption(args, i))
            return false;
    }
    while (i < args.size()) {
        if (!ParseStep(args, i))
            return false;
    }
    return true;
}

bool CHostSimOptions::ParseOption(const std::vector<std::string>& args, size_t& i)
{
    const std::string name = args[i++];
    if (name == "--no-start")
        return m_bStart = false, true;
    if (name == "--refuse")
        return m_bRefuse = true, true;
    if (name == "--hang")
        return m_bHang = true, true;
    std::string* text = name == "--tool" ? &m_strToolPath : name == "--log" ? &m_strLogPath : nullptr;
    DWORD* ms = name == "--hang-ms"          ? &m_dwHangMs
                : name == "--create-timeout" ? &m_dwCreateTimeoutMs
                : name == "--close-timeout"  ? &m_dwCloseTimeoutMs
                                             : nullptr;
    if (!text && !ms)
        return Fail("unknown option " + name);
    if (i >= args.size())
        return Fail(name + " needs a value");
    const std::string value = args[i++];
    if (text)
        return *text = value, true;
    if (!ParseMs(value, *ms))
        return Fail(name + " needs a number of milliseconds, not '" + value + "'");
    return true;
}

bool CHostSimOptions::ParseStep(const std::vector<std::string>& args, size_t& i)
{
    SScriptStep step;
    step.word = args[i++];
    for (const SCommandWord& command : kCommands) {
        if (step.word == command.word) {
            step.value = command.command;
            m_script.push_back(step);
            return true;
        }
    }
    if (step.word == "quit") {
        step.kind = SScriptStep::Quit;
        m_script.push_back(step);
        return true;
    }
    if (step.word != "wait" && step.word != "refuse" && step.word != "hang")
        return Fail("unknown script word '" + step.word + "'");
    if (i >= args.size())
        return Fail("'" + step.word + "' needs a value");
    const std::string value = args[i++];
    if (step.word == "wait") {
        DWORD ms = 0;
        if (!ParseMs(value, ms))
            return Fail("wait needs a number of milliseconds, not '" + value + "'");
        step.kind = SScriptStep::Wait;
        step.value = static_cast<int>(ms);
    } else {
        bool on = false;
        if (!ParseSwitch(value, on))
            return Fail(step.word + " needs on or off, not '" + value + "'");
        step.kind = step.word == "refuse" ? SScriptStep::Refuse : SScriptStep::Hang;
        step.value = on ? 1 : 0;
    }
    step.word += " " + value;
    m_script.push_back(step);
    return true;
}
