// The host simulator: stands in for the host application in demos and end-to-end tests.
#include "CCommandLog.h"
#include "CHostSimOptions.h"
#include "CHostWindow.h"
#include "CToolLink.h"
#include "MessagePump.h"

#include <cstdio>

namespace {
enum ExitCode { ExitOk = 0, ExitUsage = 1, ExitSetup = 2, ExitNoStart = 3, ExitNoEnd = 4 };

void Say(const char* format, const char* detail = "")
{
    std::fprintf(stderr, "hostsim: ");
    std::fprintf(stderr, format, detail);
    std::fprintf(stderr, "\n");
    std::fflush(stderr);
}

// Runs the script; false when the host window went away before the script ended.
bool RunScript(const CHostSimOptions& options, CHostWindow& host, CToolLink& tool, int& exitCode)
{
    for (const SScriptStep& step : options.m_script) {
        switch (step.kind) {
        case SScriptStep::Command:
            if (step.value == CToolLink::Close) {
                exitCode = host.CloseTool() ? ExitOk : ExitNoEnd;
                if (exitCode != ExitOk)
                    Say("the tool did not end in time");
                return false;
            }
            if (!tool.Send(static_cast<CToolLink::Command>(step.value)))
                Say("no tool window for '%s'", step.word.c_str());
            break;
        case SScriptStep::Wait:
            PumpUntil(
                nullptr, [&host] { return host.GetHwnd() == nullptr; }, static_cast<DWORD>(step.value));
            break;
        case SScriptStep::Refuse:
            host.SetRefuse(step.value != 0);
            break;
        case SScriptStep::Hang:
            host.SetHang(step.value != 0, options.m_dwHangMs);
            break;
        case SScriptStep::Quit:
            return false;
        }
        PumpPending();
        if (!host.GetHwnd())
            return false;
    }
    return true;
}

// Runs until the host window is closed or the tool this simulator started has ended.
void RunUntilClosed(CHostWindow& host, CToolLink& tool)
{
    while (host.GetHwnd()) {
        PumpUntil(
            nullptr, [&host, &tool] { return !host.GetHwnd() || tool.HasProcessEnded(); }, INFINITE - 1);
        if (tool.HasProcessEnded()) {
            Say("the tool has ended");
            break;
        }
    }
}
}   // namespace

int main(int argc, char** argv)
{
    CHostSimOptions options;
    if (!options.Parse(argc, argv)) {
        Say("%s", options.m_strError.c_str());
        std::fputs(CHostSimOptions::Usage(), stderr);
        return ExitUsage;
    }
    CCommandLog log;
    if (!log.Open(options.m_strLogPath)) {
        Say("cannot write the log file %s", options.m_strLogPath.c_str());
        return ExitSetup;
    }
    CToolLink tool;
    CHostWindow host(log, tool, options.m_dwCloseTimeoutMs);
    if (!tool.CreateStartEvent() || !host.Create()) {
        Say("cannot create the host window or the start-up event");
        return ExitSetup;
    }
    host.SetRefuse(options.m_bRefuse);
    host.SetHang(options.m_bHang, options.m_dwHangMs);

    if (options.m_bStart) {
        std::string path = options.m_strToolPath.empty() ? CToolLink::DefaultToolPath() : options.m_strToolPath;
        if (!tool.Start(path)) {
            Say("cannot start %s", path.c_str());
            return ExitSetup;
        }
        if (!tool.WaitStarted(options.m_dwCreateTimeoutMs)) {
            // A tool that never came up would go on holding its single-instance lock.
            Say("the tool did not signal its start-up in time; ending it");
            tool.Terminate();
            return ExitNoStart;
        }
    }
    Say("ready");

    int exitCode = ExitOk;
    if (RunScript(options, host, tool, exitCode))
        RunUntilClosed(host, tool);
    if (host.GetHwnd())
        DestroyWindow(host.GetHwnd());
    return exitCode;
}
