#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One word of the host simulator's script.
struct SScriptStep {
    enum Kind { Command, Wait, Refuse, Hang, Quit };
    Kind kind = Command;
    int value = 0;      // the tool command (0-4), milliseconds, or 1/0 for on/off
    std::string word;   // as written, for messages
};

// The host simulator's command line: options, then the script.
class CHostSimOptions {
public:
    // Reads argv[1..]; false with error set on anything it does not understand.
    bool Parse(int argc, char** argv);
    static const char* Usage();

    std::string m_strToolPath;   // empty: Vantrace.exe beside the simulator
    std::string m_strLogPath;    // empty: standard output
    bool m_bStart = true;
    bool m_bRefuse = false;
    bool m_bHang = false;
    DWORD m_dwHangMs = 20000;
    DWORD m_dwCreateTimeoutMs = 30000;
    DWORD m_dwCloseTimeoutMs = 15000;
    std::vector<SScriptStep> m_script;
    std::string m_strError;

private:
    bool ParseOption(const std::vector<std::string>& args, size_t& i);
    bool ParseStep(const std::vector<std::string>& args, size_t& i);
    bool Fail(const std::string& error);
};
