// hostsim.exe as a separate process: what it logs, how it drives a tool window, and how
// it refuses, hangs and waits.
#include "CChroDisplayLink.h"
#include "CGroupLaunch.h"
#include "CHostScript.h"
#include "ChildProcess.h"
#include "Pump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace {
const UINT s_wm_VANTRACE_CMD = RegisterWindowMessageA("s_wm_VANTRACE_CMD");

// A "Vantrace" window in the test process that records the host's commands; on launch it
// answers with one display command, on close it goes away (unless told to ignore close).
class ToolWindow {
public:
    explicit ToolWindow(bool obeyClose = true) : m_bObeyClose(obeyClose)
    {
        static const bool registered = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = WindowProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "Vantrace";
            return RegisterClassA(&wc) != 0;
        }();
        (void)registered;
        m_hWnd = CreateWindowExA(0, "Vantrace", "Vantrace", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), this);
    }
    ~ToolWindow()
    {
        if (m_hWnd)
            DestroyWindow(m_hWnd);
    }
    HWND m_hWnd = nullptr;
    bool m_bObeyClose;
    std::vector<WPARAM> m_commands;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<ToolWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && message == s_wm_VANTRACE_CMD) {
            self->m_commands.push_back(wParam);
            if (wParam == 4)
                CChroDisplayLink().LaunchChromatogram(CChromatogramData(), "add");
            if (wParam == 3 && self->m_bObeyClose)
                DestroyWindow(hwnd);
            return 0;
        }
        if (self && message == WM_NCDESTROY)
            self->m_hWnd = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
};

// A fresh file name in the temporary folder.
std::string TempFile(const char* prefix)
{
    char folder[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, prefix, 0, path);
    return path;
}

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// Closes hostsim's window and returns its exit code (or a failure).
DWORD CloseHost(ChildProcess& hostsim, HWND window)
{
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 0xFFFF;
    EXPECT_TRUE(hostsim.Wait(15000, exitCode));
    return exitCode;
}
}   // namespace

TEST(HostSim, LogsAGroupLaunchToAFile)
{
    std::string log = TempFile("hsl");
    ChildProcess hostsim;
    ASSERT_TRUE(hostsim.Start("hostsim.exe", "--no-start --log \"" + log + "\""));
    HWND window = hostsim.WaitWindow("ChroWClass");
    ASSERT_NE(window, nullptr);

    CListManager lists;
    CGroupDataHelper group;
    group.m_nRangeMode = 2;
    group.m_strRange = "2:15";
    DWORD groupId = 0, chroId = 0;
    ASSERT_TRUE(lists.AddGroup(group, groupId));
    CChromatogramData tic, bpi, mass;
    bpi.m_nType = 1;
    bpi.m_nFunction = 2;
    bpi.m_bChecked = false;
    mass.m_nType = 2;
    mass.m_strMass = "556.3";
    for (const CChromatogramData* rec : {&tic, &bpi, &mass})
        ASSERT_TRUE(lists.AddChro(*rec, chroId, groupId));
    EXPECT_TRUE(CGroupLaunch(lists).LaunchGroup(groupId));

    EXPECT_EQ(CloseHost(hostsim, window), 0u);
    EXPECT_EQ(ReadText(log), "app.command[chrodisplay:range](2:15)\n"
                             "app.command[chrodisplay:clear]()\n"
                             "app.command[chrodisplay:newwindow](TIC:1)\n"
                             "app.command[chrodisplay:add](MASS:556.3:1)\n");
    std::remove(log.c_str());
}

// The rows of hostsim's list of received commands, read across the process boundary.
static std::vector<std::string> ReceivedRows(HWND window)
{
    HWND list = GetDlgItem(window, 108);
    std::vector<std::string> rows;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        // Read as wide text: the narrow message is not converted back across processes.
        std::vector<wchar_t> text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        rows.emplace_back(text.begin(), text.end() - 1);   // the texts are ASCII
    }
    return rows;
}

TEST(HostSim, ListsEveryCommandWithItsTimeAndAnswerUntilCleared)
{
    std::string log = TempFile("hsr");
    ChildProcess hostsim;
    ASSERT_TRUE(hostsim.Start("hostsim.exe", "--no-start --hang-ms 600 --log \"" + log + "\""));
    HWND window = hostsim.WaitWindow("ChroWClass");
    ASSERT_NE(window, nullptr);
    CHostScript& host = CHostScript::Get();
    EXPECT_TRUE(host.Command("first", 10000));
    SendMessageA(GetDlgItem(window, 105), BM_CLICK, 0, 0);   // Refuse
    EXPECT_FALSE(host.Command("tab\there", 10000));
    SendMessageA(GetDlgItem(window, 106), BM_CLICK, 0, 0);   // Hang
    EXPECT_FALSE(host.Command("third", 100));
    ui::PumpUntil([&] { return ReceivedRows(window).size() == 3; }, 5000);

    const std::vector<std::string> rows = ReceivedRows(window);
    ASSERT_EQ(rows.size(), 3u);
    const char* const expected[] = {"\taccepted\tfirst", "\trefused\ttab\\x09here", "\thung\tthird"};
    for (size_t i = 0; i < rows.size(); ++i) {
        // hh:mm:ss.mmm, then the answer and the line the log has.
        ASSERT_GE(rows[i].size(), 12u);
        EXPECT_EQ(rows[i][2], ':');
        EXPECT_EQ(rows[i][8], '.');
        EXPECT_EQ(rows[i].substr(12), expected[i]);
    }
    SendMessageA(GetDlgItem(window, 107), BM_CLICK, 0, 0);   // Clear
    EXPECT_TRUE(ReceivedRows(window).empty());
    EXPECT_EQ(ReadText(log), "first\ntab\\x09here\nthird\n") << "Clear leaves the log alone";
    EXPECT_EQ(CloseHost(hostsim, window), 0u);
    std::remove(log.c_str());
}

TEST(HostSim, PrintsCommandsToStandardOutputOneLineEach)
{
    ChildProcess hostsim;
    ASSERT_TRUE(hostsim.Start("hostsim.exe", "--no-start", false, true));
    HWND window = hostsim.WaitWindow("ChroWClass");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(CChroDisplayLink().ClearDisplay());
    // Straight through the library: a text the display link would never send.
    EXPECT_TRUE(CHostScript::Get().Command("two\nlines\\", 10000));
    EXPECT_EQ(CloseHost(hostsim, window), 0u);
    EXPECT_EQ(hostsim.Output(), "app.command[chrodisplay:clear]()\ntwo\\x0Alines\\\\\n");
}

TEST(HostSim, ScriptSendsTheToolCommandsAndWaitsForTheToolToClose)
{
    ToolWindow tool;
    ASSERT_NE(tool.m_hWnd, nullptr);
    std::string log = TempFile("hss");
    ChildProcess hostsim;
    ASSERT_TRUE(
        hostsim.Start("hostsim.exe", "--no-start --log \"" + log + "\" show hide nothing launch wait 100 close"));
    DWORD exitCode = 0xFFFF;
    ASSERT_TRUE(hostsim.Wait(20000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(tool.m_commands, (std::vector<WPARAM>{1, 0, 2, 4, 3}));
    EXPECT_EQ(tool.m_hWnd, nullptr);
    EXPECT_EQ(ReadText(log), "app.command[chrodisplay:add](TIC:1)\n");
    std::remove(log.c_str());
}

TEST(HostSim, AToolThatDoesNotCloseIsReported)
{
    ToolWindow tool(false);
    ChildProcess hostsim;
    ASSERT_TRUE(hostsim.Start("hostsim.exe", "--no-start --close-timeout 500 close"));
    DWORD exitCode = 0xFFFF;
    ASSERT_TRUE(hostsim.Wait(20000, exitCode));
    EXPECT_EQ(exitCode, 4u);
    EXPECT_EQ(tool.m_commands, std::vector<WPARAM>{3});
}

TEST(HostSim, RefusesOrHangsWhenTold)
{
    {
        ChildProcess hostsim;
        ASSERT_TRUE(hostsim.Start("hostsim.exe", "--no-start refuse on", false, true));
        HWND window = hostsim.WaitWindow("ChroWClass");
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(CChroDisplayLink().ClearDisplay());
        EXPECT_EQ(CloseHost(hostsim, window), 0u);
        EXPECT_EQ(hostsim.Output(), "app.command[chrodisplay:clear]()\n");
    }
    {
        ChildProcess hostsim;
        ASSERT_TRUE(hostsim.Start("hostsim.exe", "--no-start --hang --hang-ms 4000"));
        HWND window = hostsim.WaitWindow("ChroWClass");
        ASSERT_NE(window, nullptr);
        DWORD start = GetTickCount();
        EXPECT_FALSE(CHostScript::Get().Command("app.command[chrodisplay:clear]()", 500));
        DWORD elapsed = GetTickCount() - start;
        EXPECT_GE(elapsed, 400u);
        EXPECT_LT(elapsed, 3500u);
        EXPECT_EQ(CloseHost(hostsim, window), 0u);
    }
}

TEST(HostSim, StartsTheToolWaitsForItsSignalAndClosesIt)
{
    std::string tool = ChildProcess::BinPath("hostsim_stand_in_tool.exe");
    std::string log = TempFile("hst");
    ChildProcess hostsim;
    ASSERT_TRUE(hostsim.Start("hostsim.exe", "--tool \"" + tool + "\" --log \"" + log + "\" launch wait 200 close"));
    DWORD exitCode = 0xFFFF;
    ASSERT_TRUE(hostsim.Wait(30000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(ReadText(log), "app.command[chrodisplay:add](TIC:1)\n");
    EXPECT_EQ(FindWindowA("Vantrace", nullptr), nullptr);
    std::remove(log.c_str());
}

TEST(HostSim, FailsClearlyWhenTheToolDoesNotStart)
{
    DWORD exitCode = 0xFFFF;
    {
        ChildProcess hostsim;
        ASSERT_TRUE(hostsim.Start("hostsim.exe", "--tool \"" + ChildProcess::BinPath("absent.exe") + "\""));
        ASSERT_TRUE(hostsim.Wait(15000, exitCode));
        EXPECT_EQ(exitCode, 2u);
    }
    {
        // The stand-in never signals: hostsim gives up and ends it.
        SetEnvironmentVariableA("VT_STAND_IN_SILENT", "1");
        ChildProcess hostsim;
        ASSERT_TRUE(hostsim.Start("hostsim.exe", "--create-timeout 1500 --tool \""
                                                     + ChildProcess::BinPath("hostsim_stand_in_tool.exe") + "\""));
        SetEnvironmentVariableA("VT_STAND_IN_SILENT", nullptr);
        ASSERT_TRUE(hostsim.Wait(20000, exitCode));
        EXPECT_EQ(exitCode, 3u);
        EXPECT_TRUE(ui::PumpUntil([] { return FindWindowA("Vantrace", nullptr) == nullptr; }, 5000));
    }
    {
        ChildProcess hostsim;
        ASSERT_TRUE(hostsim.Start("hostsim.exe", "--no-start wait soon"));
        ASSERT_TRUE(hostsim.Wait(15000, exitCode));
        EXPECT_EQ(exitCode, 1u);
    }
}
