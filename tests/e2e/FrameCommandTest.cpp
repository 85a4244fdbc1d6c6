// The host's command message, the close box, view modes and placements, on Vantrace.exe
// run as a separate process.
#include "DialogAnswerer.h"
#include "Pump.h"
#include "Registry.h"
#include "TestHostWindow.h"
#include "ToolProcess.h"
#include "VantraceVersion.h"

#include "resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {
const UINT kButtons[] = {ID_FILE_OPEN, ID_FILE_SAVE,   ID_VIEW_MINIMISE, ID_GROUP_ADD,      ID_GROUP_DELETE,
                         ID_CHRO_ADD,  ID_CHRO_DELETE, ID_AUTOMATE,      ID_GROUP_PREVIOUS, ID_GROUP_NEXT};

class FrameCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        reg::ClearTool();
        ASSERT_TRUE(m_tool.StartAlone(20000));
        m_frame = m_tool.Frame();
        ASSERT_NE(m_frame, nullptr);
    }
    void TearDown() override { reg::ClearTool(); }

    // Waits until the tool has handled what was posted to it.
    void Settle() { SendMessageTimeoutA(m_frame, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr); }
    HWND ToolBar() { return FindWindowExA(m_frame, nullptr, TOOLBARCLASSNAMEA, nullptr); }
    bool ButtonHidden(UINT id) { return SendMessageA(ToolBar(), TB_ISBUTTONHIDDEN, id, 0) != 0; }
    RECT FrameRect()
    {
        RECT rc{};
        GetWindowRect(m_frame, &rc);
        return rc;
    }

    TestHostWindow m_host;
    ToolProcess m_tool{false};   // its Add Group dialog is answered here
    HWND m_frame = nullptr;
};

TEST_F(FrameCommandTest, ShowAfterTheCloseBoxReturnsToTheSamePlaceAndMode)
{
    m_tool.SendCommand(1);
    Settle();
    ASSERT_TRUE(IsWindowVisible(m_frame));
    const RECT shown = FrameRect();
    SendMessageTimeoutA(m_frame, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, nullptr);
    EXPECT_FALSE(IsWindowVisible(m_frame));
    EXPECT_EQ(reg::ReadDword(reg::Tool("Options"), "Visiblei"), 0u);
    EXPECT_EQ(reg::ReadDword(reg::Tool("WindowSettings\\Normal"), "WindowPosShowCmd"), 0u);
    m_tool.SendCommand(1);
    Settle();
    EXPECT_TRUE(IsWindowVisible(m_frame));
    const RECT again = FrameRect();
    EXPECT_EQ(again.left, shown.left);
    EXPECT_EQ(again.top, shown.top);
    EXPECT_NE(GetMenu(m_frame), nullptr);   // still Normal mode
}

TEST_F(FrameCommandTest, NormalMiniNormalRestoresButtonsAndMenu)
{
    ASSERT_NE(GetMenu(m_frame), nullptr);
    const LRESULT count = SendMessageA(ToolBar(), TB_BUTTONCOUNT, 0, 0);
    EXPECT_EQ(count, 15);
    m_tool.SendFrameCommand(ID_VIEW_MINIMISE);
    Settle();
    EXPECT_EQ(GetMenu(m_frame), nullptr);
    for (UINT id : kButtons)
        EXPECT_EQ(ButtonHidden(id), id != ID_VIEW_MINIMISE) << id;
    EXPECT_TRUE(IsWindowVisible(m_frame));   // the Mini default placement is shown

    m_tool.SendFrameCommand(ID_VIEW_MINIMISE);
    Settle();
    EXPECT_NE(GetMenu(m_frame), nullptr);
    EXPECT_EQ(SendMessageA(ToolBar(), TB_BUTTONCOUNT, 0, 0), count);
    for (UINT id : kButtons)
        EXPECT_FALSE(ButtonHidden(id)) << id;
}

TEST_F(FrameCommandTest, CommandsThatChangeNothingStillWriteVisible)
{
    reg::ClearTool();
    m_tool.SendCommand(2);
    Settle();
    EXPECT_EQ(reg::ReadDword(reg::Tool("Options"), "Visiblei"), 0u);
    reg::ClearTool();
    m_tool.SendCommand(7);
    Settle();
    EXPECT_EQ(reg::ReadDword(reg::Tool("Options"), "Visiblei"), 0u);
    EXPECT_TRUE(reg::ValueExists(reg::Tool("Options"), "Minii"));   // every cached option goes with it
}

TEST_F(FrameCommandTest, HostRequestWithAutomateOffSendsOneTotalIonCurrentTrace)
{
    m_tool.SendCommand(4);
    Settle();
    ui::PumpFor(200);
    ASSERT_EQ(m_host.Texts().size(), 1u);
    EXPECT_EQ(m_host.Texts()[0], "app.command[chrodisplay:add](TIC:1)");
}

// The About box reads the program's version resource through a DLL loaded only then.
TEST_F(FrameCommandTest, AboutBoxShowsTheProgramsVersion)
{
    m_tool.SendCommand(1);
    m_tool.PostFrameCommand(ID_APP_ABOUT);
    HWND about = nullptr;
    for (int i = 0; i < 100 && !about; ++i) {
        ui::PumpFor(50);
        about = ui::FindDialog("About Vantrace", GetProcessId(m_tool.Process()));
    }
    ASSERT_NE(about, nullptr);
    EXPECT_NE(ui::StaticTexts(about).find("Version " VT_VERSION_TEXT), std::string::npos) << ui::StaticTexts(about);
    ui::PressButton(about, IDOK);
}

// The host's close waits while a modal dialog of the tool is open (the frame is disabled
// under it), the file dialogs included.
class CloseUnderADialog : public FrameCommandTest, public testing::WithParamInterface<std::pair<UINT, const char*>> {};

TEST_P(CloseUnderADialog, WaitsUntilTheDialogIsClosed)
{
    m_tool.SendCommand(1);
    m_tool.PostFrameCommand(GetParam().first);
    HWND dialog = nullptr;
    for (int i = 0; i < 100 && !dialog; ++i) {
        ui::PumpFor(50);
        dialog = ui::FindDialog(GetParam().second, GetProcessId(m_tool.Process()));
    }
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(m_frame));
    m_tool.Command(3);
    EXPECT_FALSE(m_tool.WaitForExit(2500));   // still waiting for the dialog
    ui::PressButton(dialog, IDCANCEL);
    EXPECT_TRUE(m_tool.WaitForExit(5000));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, CloseUnderADialog,
                         testing::Values(std::make_pair(ID_GROUP_ADD, "Add Group"),
                                         std::make_pair(ID_FILE_OPEN, "Open"),
                                         std::make_pair(ID_FILE_SAVE_AS, "Save As")));
}   // namespace
