#include "WorkspaceFixture.h"

#include "FrameworkIds.h"
#include "Pump.h"
#include "Registry.h"
#include "resource.h"
#include "CAppOptions.h"

#include <commctrl.h>

namespace {
CWorkspaceTestApp theApp;
}   // namespace

CWorkspaceTestApp::CWorkspaceTestApp()
{
    SetRegistryKey("Fenwright");
}

void CWorkspaceTestApp::DropOptions()
{
    m_pOptions.reset();
    reg::Remove(reg::kTool);
}

void CWorkspaceTestApp::FreshOptions()
{
    DropOptions();
    m_pOptions = std::make_unique<CAppOptions>();
    m_pOptions->DefineEntries();   // as start-up does: the options go under their names
}

CWorkspaceTestApp& TestApp()
{
    return theApp;
}

const MessageMap* CWorkspaceTestFrame::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Create<&CWorkspaceTestFrame::OnCreate>(),
    };
    static const MessageMap map = MakeMessageMap(&CFrameWnd::GetThisMessageMap, entries);
    return &map;
}

bool CWorkspaceTestFrame::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, bool bProbeOnly)
{
    if (m_workspace.m_hWnd && m_workspace.OnCmdMsg(nID, nCode, pCmdUI, bProbeOnly))
        return true;
    return CFrameWnd::OnCmdMsg(nID, nCode, pCmdUI, bProbeOnly);
}

int CWorkspaceTestFrame::OnCreate(CREATESTRUCTA*)
{
    if (Default() == -1)
        return -1;
    m_workspace.SetStores(TestApp().GetOptions(), TestApp().m_pRecentFiles.get());
    return m_workspace.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{}, m_hWnd, AFX_IDW_PANE_FIRST) ? 0
                                                                                                                : -1;
}

void WorkspaceFixture::SetUp()
{
    TestApp().FreshOptions();
    ASSERT_TRUE(m_frame.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr));
    TestApp().m_pMainWnd = &m_frame;
    m_frame.SetWindowPos(nullptr, 0, 0, 600, 400, SWP_NOZORDER);
    m_frame.ShowWindow(SW_SHOW);
    SetForegroundWindow(m_frame.m_hWnd);
    View().ApplyViewMode(false);
    View().UpdateTitle(false);
    ui::PumpPending();
}

void WorkspaceFixture::TearDown()
{
    TestApp().m_pMainWnd = nullptr;
    m_frame.DestroyWindow();
    ui::PumpPending();
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    TestApp().DropOptions();
}

DWORD WorkspaceFixture::AddGroup(const std::string& name, bool checked)
{
    CGroupDataHelper record;
    record.m_strName = name;
    record.m_strComment = name + " comment";
    record.m_bChecked = checked;
    DWORD id = 0;
    EXPECT_TRUE(Manager().AddGroup(record, id));
    return id;
}

DWORD WorkspaceFixture::AddChro(DWORD group, const std::string& name, bool checked)
{
    CChromatogramData record;
    record.m_strName = name;
    record.m_strDescription = name + " description";
    record.m_bChecked = checked;
    DWORD id = 0;
    EXPECT_TRUE(Manager().AddChro(record, id, group));
    return id;
}

void WorkspaceFixture::ShowList(int groupRow)
{
    View().RefreshGroupList();
    View().GroupList().SelectItem(groupRow);
    View().RefreshChromatogramList();
    ui::PumpPending();
}

void WorkspaceFixture::Command(UINT id)
{
    m_frame.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::vector<ui::SeenDialog> WorkspaceFixture::Run(UINT id, ui::DialogAnswerer& answerer, DWORD absentMs)
{
    answerer.Start(absentMs ? absentMs : 10000);
    Command(id);
    ui::PumpPending();
    if (absentMs)
        ui::PumpFor(absentMs + 500);
    return answerer.Finish();
}

void WorkspaceFixture::Post(UINT message)
{
    View().PostMessage(message, 0, 0);
    ui::PumpPending();
}

std::string WorkspaceFixture::Title() const
{
    return m_frame.GetWindowText();
}

bool WorkspaceFixture::Modified()
{
    bool modified = false;
    View().IsModified(modified);
    return modified;
}

std::vector<std::string> WorkspaceFixture::Names(HWND list)
{
    std::vector<std::string> names;
    const int rows = ListView_GetItemCount(list);
    for (int row = 0; row < rows; ++row) {
        char text[256] = {};
        ListView_GetItemText(list, row, 0, text, sizeof text);
        names.emplace_back(text);
    }
    return names;
}

int WorkspaceFixture::SelectedRow(HWND list)
{
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

int WorkspaceFixture::FocusedRow(HWND list)
{
    return ListView_GetNextItem(list, -1, LVNI_FOCUSED);
}

std::vector<std::string> WorkspaceFixture::ManagerChroNames(DWORD group)
{
    std::vector<std::string> names;
    DWORD id = 0;
    CChromatogramData record;
    for (int position = 0; Manager().GetChroOrder(group, position, id); ++position) {
        Manager().GetChromatogram(group, id, record);
        names.push_back(record.m_strName);
    }
    return names;
}

std::vector<std::string> WorkspaceFixture::ManagerGroupNames()
{
    std::vector<std::string> names;
    DWORD id = 0;
    CGroupDataHelper record;
    for (int position = 0; Manager().GetGroupOrder(position, id); ++position) {
        Manager().GetGroup(record, id);
        names.push_back(record.m_strName);
    }
    return names;
}
