// What makes the workspace launch: Enter and the icon in the group list, the chromatogram
// list, the host's request, Next and Previous group, and the Automate switch; the display
// commands are read from a real "ChroWClass" window through hostscript.dll.
#include "WorkspaceFixture.h"

#include "CAppOptions.h"
#include "ListMessages.h"
#include "Registry.h"
#include "TestHostWindow.h"
#include "resource.h"

#include <commctrl.h>

namespace {
using Texts = std::vector<std::string>;
const char kClear[] = "app.command[chrodisplay:clear]()";
const char kFallback[] = "app.command[chrodisplay:add](TIC:1)";

std::string Shown(const char* kind, int function)
{
    return std::string("app.command[chrodisplay:") + kind + "](TIC:" + std::to_string(function) + ")";
}

class LaunchTriggersTest : public WorkspaceFixture {
protected:
    // Three groups; the chromatograms' functions tell the groups apart in the commands.
    void SetUp() override
    {
        WorkspaceFixture::SetUp();
        for (int g = 0; g < 3; ++g) {
            m_groups[g] = AddGroup("G" + std::to_string(g + 1));
            CChromatogramData record;
            record.m_strName = "TIC";
            record.m_nFunction = g + 1;
            DWORD id = 0;
            Manager().AddChro(record, id, m_groups[g]);
        }
        ShowList(0);
    }
    void SelectNoGroup()
    {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED;
        View().GroupList().SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    }
    int SelectedGroupRow() { return SelectedRow(View().GroupList().m_hWnd); }

    DWORD m_groups[3] = {};
    TestHostWindow m_host;
};

TEST_F(LaunchTriggersTest, EnterInTheGroupListLaunchesOnlyAGroupWithChromatograms)
{
    Post(s_wm_GROUP_LAUNCH);
    EXPECT_EQ(m_host.Texts(), (Texts{kClear, Shown("newwindow", 1)}));

    const DWORD empty = AddGroup("Empty");
    View().RefreshGroupList();
    View().GroupList().SelectItem(3);
    View().RefreshChromatogramList();
    Post(s_wm_GROUP_LAUNCH);
    EXPECT_EQ(m_host.Texts().size(), 2u) << "group " << empty << " has no chromatograms";
}

TEST_F(LaunchTriggersTest, ChromatogramListLaunchesOneTraceOfKindDefaultEvenUnchecked)
{
    DWORD chro = 0;
    Manager().GetChroOrder(m_groups[0], 0, chro);
    Manager().SetChromatogramState(m_groups[0], chro, false);
    ShowList(0);
    Post(s_wm_CHRO_LAUNCH);
    EXPECT_EQ(m_host.Texts(), (Texts{Shown("default", 1)}));
}

TEST_F(LaunchTriggersTest, HostRequestWithAutomateOffSendsTheFallbackAlone)
{
    TestApp().GetOptions()->SetVisible(true);
    View().LaunchForHost();
    EXPECT_EQ(m_host.Texts(), (Texts{kFallback}));
}

TEST_F(LaunchTriggersTest, HostRequestWithAutomateAndVisibleLaunchesTheCheckedGroup)
{
    TestApp().GetOptions()->SetVisible(true);
    TestApp().GetOptions()->SetAutomate(true);
    Manager().SetGroupState(m_groups[1], true);
    ShowList(0);   // the checked group is not the selected one
    View().LaunchForHost();
    EXPECT_EQ(m_host.Texts(), (Texts{kClear, Shown("newwindow", 2)}));
}

TEST_F(LaunchTriggersTest, CheckedGroupWithoutCheckedChromatogramsEndsInTheFallback)
{
    TestApp().GetOptions()->SetVisible(true);
    TestApp().GetOptions()->SetAutomate(true);
    Manager().SetGroupState(m_groups[2], true);
    DWORD chro = 0;
    Manager().GetChroOrder(m_groups[2], 0, chro);
    Manager().SetChromatogramState(m_groups[2], chro, false);
    ShowList(0);
    View().LaunchForHost();
    EXPECT_EQ(m_host.Texts(), (Texts{kClear, kFallback}));
}

TEST_F(LaunchTriggersTest, NextAndPreviousStopAtTheEndsAndLaunchAgain)
{
    ShowList(2);
    Command(ID_GROUP_NEXT);
    EXPECT_EQ(SelectedGroupRow(), 2);
    ShowList(0);
    Command(ID_GROUP_PREVIOUS);
    EXPECT_EQ(SelectedGroupRow(), 0);
    EXPECT_EQ(m_host.Texts(), (Texts{kClear, Shown("newwindow", 3), kClear, Shown("newwindow", 1)}));
}

TEST_F(LaunchTriggersTest, NextWithNothingSelectedLaunchesTheSecondGroupAndSelectsIt)
{
    SelectNoGroup();
    Command(ID_GROUP_NEXT);
    EXPECT_EQ(SelectedGroupRow(), 1);
    EXPECT_EQ(m_host.Texts(), (Texts{kClear, Shown("newwindow", 2)}));
    EXPECT_EQ(Names(View().ChroList().m_hWnd), (Texts{"TIC"}));   // the chromatograms follow
}

TEST_F(LaunchTriggersTest, AutomateIsWrittenAtOnceAndLeavesTheListUnmodified)
{
    Command(ID_AUTOMATE);
    EXPECT_EQ(reg::ReadDword(reg::Tool("Options"), "Automatei"), 1u);
    EXPECT_FALSE(Modified());
    Command(ID_AUTOMATE);
    EXPECT_EQ(reg::ReadDword(reg::Tool("Options"), "Automatei"), 0u);
}
}   // namespace
