// Command routing, update UI on menus and toolbar buttons, accelerators and prompts, on a
// real frame with a real menu, toolbar and status bar.
#include "CCmdUI.h"
#include "CFrameWnd.h"
#include "CStatusBar.h"
#include "CToolBar.h"
#include "CWinApp.h"
#include "FrameworkIds.h"
#include "Pump.h"
#include "TestIds.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {
std::vector<std::string> g_calls;
std::atomic<bool> g_paneEnablesA = false;
std::atomic<int> g_idlePasses = 0;
std::atomic<int> g_timers = 0;

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("FrameworkTest") {}
    static const MessageMap* GetThisMessageMap()
    {
        static const MsgEntry entries[] = {
            msg::Command<&CTestApp::OnA>(ID_TEST_A),
            msg::Command<&CTestApp::OnB>(ID_TEST_B),
            msg::Command<&CTestApp::OnC>(ID_TEST_C),
        };
        static const MessageMap map = MakeMessageMap(&CWinApp::GetThisMessageMap, entries);
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    BOOL OnIdle(LONG count) override
    {
        ++g_idlePasses;
        return CWinApp::OnIdle(count);
    }
    void OnA() { g_calls.push_back("app A"); }
    void OnB() { g_calls.push_back("app B"); }
    void OnC() { g_calls.push_back("app C"); }
} theApp;

class CTestPane : public CWnd {
public:
    static const MessageMap* GetThisMessageMap()
    {
        static const MsgEntry entries[] = {
            msg::Command<&CTestPane::OnA>(ID_TEST_A),
            msg::Update<&CTestPane::OnUpdateA>(ID_TEST_A),
        };
        static const MessageMap map = MakeMessageMap(&CWnd::GetThisMessageMap, entries);
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void OnA() { g_calls.push_back("pane A"); }
    void OnUpdateA(CCmdUI* ui) { ui->Enable(g_paneEnablesA); }
};

// Routes like the tool's main frame: the pane first, then the frame, then the application.
class CTestFrame : public CFrameWnd {
public:
    CTestPane m_pane;
    CToolBar m_toolBar;
    CStatusBar m_statusBar;

    static const MessageMap* GetThisMessageMap()
    {
        static const MsgEntry entries[] = {
            msg::Create<&CTestFrame::OnCreate>(),
            msg::Command<&CTestFrame::OnA>(ID_TEST_A),
            msg::Command<&CTestFrame::OnB>(ID_TEST_B),
            msg::Update<&CTestFrame::OnUpdateB>(ID_TEST_B),
            msg::Command<&CTestFrame::OnToggleA>(ID_TEST_TOGGLE_A),
            msg::Timer<&CTestFrame::OnTimer>(),
        };
        static const MessageMap map = MakeMessageMap(&CFrameWnd::GetThisMessageMap, entries);
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    bool OnCmdMsg(UINT id, int code, CCmdUI* ui, bool probe) override
    {
        return m_pane.OnCmdMsg(id, code, ui, probe) || CFrameWnd::OnCmdMsg(id, code, ui, probe);
    }
    int OnCreate(CREATESTRUCTA*)
    {
        if (Default() == -1)
            return -1;
        const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
        const bool made =
            m_pane.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{}, m_hWnd, AFX_IDW_PANE_FIRST)
            && m_toolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOOLTIPS | CBRS_FLYBY, RECT{},
                                  AFX_IDW_TOOLBAR)
            && m_toolBar.LoadToolBar(GetModuleHandleA(nullptr), IDR_TEST_FRAME)
            && m_statusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR)
            && m_statusBar.SetIndicators(indicators, 2);
        return made ? 0 : -1;
    }
    void OnA() { g_calls.push_back("frame A"); }
    void OnB() { g_calls.push_back("frame B"); }
    void OnUpdateB(CCmdUI* ui) { ui->SetCheck(1); }
    void OnToggleA() { g_paneEnablesA = !g_paneEnablesA; }
    void OnTimer(UINT_PTR) { ++g_timers; }
};

// Waits on another thread until done() holds or two seconds pass.
bool WaitFor(const std::function<bool()>& done)
{
    for (int i = 0; i < 200 && !done(); ++i)
        Sleep(10);
    return done();
}

class CommandRoutingTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_calls.clear();
        g_paneEnablesA = true;
        ASSERT_TRUE(m_frame.LoadFrame(IDR_TEST_FRAME, WS_OVERLAPPEDWINDOW, nullptr));
        m_frame.SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOZORDER);
        theApp.m_pMainWnd = &m_frame;
    }
    void TearDown() override
    {
        theApp.m_pMainWnd = nullptr;
        m_frame.DestroyWindow();
        MSG msg;
        PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    void Command(UINT id) { m_frame.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    UINT MenuState(UINT id) { return GetMenuState(GetSubMenu(GetMenu(m_frame.m_hWnd), 0), id, MF_BYCOMMAND); }
    bool ButtonEnabled(UINT id) { return m_frame.m_toolBar.SendMessage(TB_ISBUTTONENABLED, id) != 0; }

    CTestFrame m_frame;
};

TEST_F(CommandRoutingTest, ChildIsOfferedACommandFirstThenTheFrameThenTheApplication)
{
    Command(ID_TEST_A);
    Command(ID_TEST_B);
    Command(ID_TEST_C);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"pane A", "frame B", "app C"}));
}

TEST_F(CommandRoutingTest, MenuCommandThatItsUpdateHandlerDisablesDoesNothing)
{
    g_paneEnablesA = false;
    Command(ID_TEST_A);
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(CommandRoutingTest, UpdateHandlersSetMenuItemStates)
{
    g_paneEnablesA = false;
    HMENU popup = GetSubMenu(GetMenu(m_frame.m_hWnd), 0);
    m_frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_TRUE(MenuState(ID_TEST_A) & MF_GRAYED);
    EXPECT_TRUE(MenuState(ID_TEST_B) & MF_CHECKED);
    EXPECT_FALSE(MenuState(ID_TEST_B) & MF_GRAYED);
    EXPECT_FALSE(MenuState(ID_TEST_C) & MF_GRAYED);   // a handler exists, no update handler
    EXPECT_TRUE(MenuState(ID_TEST_D) & MF_GRAYED);    // nobody handles it
}

TEST_F(CommandRoutingTest, IdleUpdateSetsToolbarButtonStates)
{
    g_paneEnablesA = false;
    m_frame.OnIdleUpdateCmdUI();
    EXPECT_FALSE(ButtonEnabled(ID_TEST_A));
    EXPECT_NE(m_frame.m_toolBar.SendMessage(TB_ISBUTTONCHECKED, ID_TEST_B), 0);
    EXPECT_TRUE(ButtonEnabled(ID_TEST_C));
    EXPECT_FALSE(ButtonEnabled(ID_TEST_D));
    g_paneEnablesA = true;
    m_frame.OnIdleUpdateCmdUI();
    EXPECT_TRUE(ButtonEnabled(ID_TEST_A));
}

// The application's message loop, with no input but what a second thread posts: timers (which
// do not restart idle updates), then a command that disables button A. The one idle pass
// after the command shows the new state.
TEST_F(CommandRoutingTest, MessageLoopUpdatesTheToolbarAfterACommandWithNoOtherInput)
{
    m_frame.OnIdleUpdateCmdUI();
    const DWORD loopThread = GetCurrentThreadId();
    const HWND frame = m_frame.m_hWnd;
    const HWND bar = m_frame.m_toolBar.m_hWnd;
    bool enabledBefore = false;
    bool enabledAfter = true;
    g_idlePasses = 0;
    g_timers = 0;
    std::thread poster([&] {
        WaitFor([] { return g_idlePasses > 0; });   // the loop has gone idle and waits
        PostMessageA(frame, WM_TIMER, 7, 0);
        PostMessageA(frame, WM_TIMER, 7, 0);
        WaitFor([] { return g_timers == 2; });
        Sleep(100);
        enabledBefore = SendMessageA(bar, TB_ISBUTTONENABLED, ID_TEST_A, 0) != 0;
        const int passes = g_idlePasses;
        PostMessageA(frame, WM_COMMAND, ID_TEST_TOGGLE_A, 0);
        WaitFor([&] { return g_idlePasses > passes; });
        enabledAfter = SendMessageA(bar, TB_ISBUTTONENABLED, ID_TEST_A, 0) != 0;
        PostThreadMessageA(loopThread, WM_QUIT, 0, 0);
    });
    theApp.Run();
    poster.join();
    EXPECT_TRUE(enabledBefore);
    EXPECT_FALSE(g_paneEnablesA.load());
    EXPECT_FALSE(enabledAfter);
}

TEST_F(CommandRoutingTest, ToolbarHoldsTheResourceButtonsInOrder)
{
    ASSERT_EQ(m_frame.m_toolBar.GetCount(), 5);
    const UINT expected[] = {ID_TEST_A, ID_SEPARATOR, ID_TEST_B, ID_TEST_C, ID_TEST_D};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m_frame.m_toolBar.GetItemID(i), expected[i]) << "button " << i;
}

TEST_F(CommandRoutingTest, AcceleratorProducesItsCommandOnlyWhileEnabled)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    m_frame.PostMessage(WM_KEYDOWN, 'G', 1);
    ui::PumpPending();
    g_paneEnablesA = false;
    m_frame.PostMessage(WM_KEYDOWN, 'G', 1);
    ui::PumpPending();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"pane A"}));
}

TEST_F(CommandRoutingTest, PromptsAndTooltipsComeFromTheStringTable)
{
    m_frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_A, MF_STRING), 0);
    EXPECT_EQ(m_frame.m_statusBar.GetPaneText(0), "Prompt A");
    m_frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(m_frame.m_statusBar.GetPaneText(0), "Ready");

    NMTTDISPINFOA tip{};
    tip.hdr = {nullptr, ID_TEST_B, static_cast<UINT>(TTN_GETDISPINFOA)};
    m_frame.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_STREQ(tip.lpszText, "Tip B");
}

TEST_F(CommandRoutingTest, BarTogglesHideAndShowTheBarsAndTheLayoutFollows)
{
    RECT before{};
    m_frame.m_pane.GetWindowRect(&before);
    Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(m_frame.m_toolBar.IsBarVisible());
    RECT after{};
    m_frame.m_pane.GetWindowRect(&after);
    EXPECT_LT(after.top, before.top);

    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, ID_VIEW_TOOLBAR, "Toolbar");
    AppendMenuA(popup, MF_STRING, ID_VIEW_STATUS_BAR, "Status Bar");
    m_frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_FALSE(GetMenuState(popup, ID_VIEW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(popup, ID_VIEW_STATUS_BAR, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(popup);

    Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(m_frame.m_toolBar.IsBarVisible());
}
}   // namespace
