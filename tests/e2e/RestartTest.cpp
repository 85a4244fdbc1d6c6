// What survives when Vantrace.exe is killed: the recent files and the options it wrote as
// they changed.
#include "DialogAnswerer.h"
#include "Registry.h"
#include "ToolProcess.h"

#include "resource.h"

#include <gtest/gtest.h>

namespace {
std::string Title(HWND frame)
{
    char title[512] = {};
    GetWindowTextA(frame, title, sizeof title);
    return title;
}

bool WaitTitle(HWND frame, const std::string& title)
{
    for (int i = 0; i < 200 && Title(frame) != title; ++i)
        Sleep(50);
    return Title(frame) == title;
}

std::string TempListPath(const char* name)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + name;
}

void Kill(ToolProcess& tool)
{
    ASSERT_TRUE(TerminateProcess(tool.Process(), 9));
    ASSERT_TRUE(tool.WaitForExit(10000));
}

class RestartTest : public testing::Test {
protected:
    void SetUp() override { reg::ClearTool(); }
    void TearDown() override { reg::ClearTool(); }
};

TEST_F(RestartTest, AfterSaveAsAndAKillTheNextStartOpensThatListInTheViewLastChosen)
{
    const std::string path = TempListPath("vt_restart.vtl");
    DeleteFileA(path.c_str());
    {
        ToolProcess tool(false);
        ASSERT_TRUE(tool.StartAlone());
        tool.SendCommand(1);
        ui::DialogAnswerer answerer(GetProcessId(tool.Process()));
        answerer.Expect("Save As", IDOK, ui::TypeFileName(path)).Start(20000);
        tool.PostFrameCommand(ID_FILE_SAVE_AS);
        EXPECT_EQ(answerer.Finish().size(), 1u);
        ASSERT_TRUE(WaitTitle(tool.Frame(), "Vantrace - vt_restart.vtl"));
        tool.SendFrameCommand(ID_VIEW_MINIMISE);
        Kill(tool);
    }
    ToolProcess again(false);
    ASSERT_TRUE(again.StartAlone());
    // The name as the recent file list shows it, its folders shortened.
    const std::string title = Title(again.Frame());
    EXPECT_TRUE(title.starts_with("Vantrace - ") && title.ends_with("\\vt_restart.vtl")) << title;
    EXPECT_EQ(reg::ReadDword(reg::Tool("Options"), "Minii"), 1u);
    DWORD code = 0;
    EXPECT_TRUE(again.Close(10000, code));
    DeleteFileA(path.c_str());
}
}   // namespace
