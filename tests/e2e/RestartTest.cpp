// What survives when Vantrace.exe is killed: the recent files and the options it wrote as
// they changed, and the unsaved edits it kept in its recovery file.
#include "DialogAnswerer.h"
#include "Registry.h"
#include "ToolProcess.h"

#include "resource.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <fstream>
#include <iterator>

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

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string RecoveryFolder()
{
    PWSTR local = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local)))
        return {};
    char narrow[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, local, -1, narrow, MAX_PATH, nullptr, nullptr);
    CoTaskMemFree(local);
    return std::string(narrow) + "\\Fenwright\\Vantrace\\Recovery\\";
}

// The recovery files in the folder.
std::vector<std::string> RecoveryFiles()
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((RecoveryFolder() + "*.vtr").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return files;
    do
        files.push_back(RecoveryFolder() + found.cFileName);
    while (FindNextFileA(find, &found));
    FindClose(find);
    return files;
}

void ClearRecoveryFolder()
{
    for (const std::string& file : RecoveryFiles())
        DeleteFileA(file.c_str());
}

class RestartTest : public testing::Test {
protected:
    void SetUp() override
    {
        reg::ClearTool();
        ClearRecoveryFolder();
    }
    void TearDown() override
    {
        reg::ClearTool();
        ClearRecoveryFolder();
    }
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
// A list saved as vt_recover.vtl, then a group added and left unsaved until the tool is killed
// (once its recovery file is there): saved receives the saved file, edited the list the
// recovery file holds.
class RecoveryTest : public RestartTest {
protected:
    void SetUp() override
    {
        RestartTest::SetUp();
        DeleteFileA(m_path.c_str());
        ToolProcess tool(false);
        ASSERT_TRUE(tool.StartAlone());
        tool.SendCommand(1);
        ui::DialogAnswerer answerer(GetProcessId(tool.Process()));
        answerer.Expect("Save As", IDOK, ui::TypeFileName(m_path))
            .Expect("Add Group", IDOK, [](HWND dialog) { SetDlgItemTextA(dialog, IDC_GROUP_NAME, "Kept group"); })
            .Start(20000);
        tool.PostFrameCommand(ID_FILE_SAVE_AS);
        ASSERT_TRUE(WaitTitle(tool.Frame(), "Vantrace - vt_recover.vtl"));
        m_saved = ReadBytes(m_path);
        tool.PostFrameCommand(ID_GROUP_ADD);
        ASSERT_TRUE(WaitTitle(tool.Frame(), "Vantrace - vt_recover.vtl *"));
        EXPECT_EQ(answerer.Finish().size(), 2u);
        for (int i = 0; i < 100 && RecoveryFiles().empty(); ++i)
            Sleep(50);
        ASSERT_EQ(RecoveryFiles().size(), 1u) << "no recovery file 5 s after the edit";
        const std::string kept = ReadBytes(RecoveryFiles()[0]);
        m_edited = kept.substr(kept.find("VANTRACE-LIST"));
        Kill(tool);
        ASSERT_NE(m_edited.find("Kept group"), std::string::npos);
    }
    void TearDown() override
    {
        DeleteFileA(m_path.c_str());
        RestartTest::TearDown();
    }

    // Starts the tool again and shows it: the offer, answered with button.
    std::vector<ui::SeenDialog> StartAndAnswer(ToolProcess& tool, int button)
    {
        EXPECT_TRUE(tool.StartAlone());
        ui::DialogAnswerer answerer(GetProcessId(tool.Process()));
        answerer.Expect("Vantrace", button).Start(20000);
        tool.Command(1);
        return answerer.Finish();
    }

    const std::string m_path = TempListPath("vt_recover.vtl");
    std::string m_saved;
    std::string m_edited;
};

TEST_F(RecoveryTest, YesRestoresTheEditedListMarkedModifiedAndSaveWritesItToItsFile)
{
    ToolProcess tool(false);
    const std::vector<ui::SeenDialog> seen = StartAndAnswer(tool, IDYES);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Vantrace ended before the changes to vt_recover.vtl were saved. Restore them?");
    ASSERT_TRUE(WaitTitle(tool.Frame(), "Vantrace - vt_recover.vtl *"));
    EXPECT_EQ(RecoveryFiles().size(), 1u) << "the restored list's own copy, the old one gone";
    tool.SendFrameCommand(ID_FILE_SAVE);
    EXPECT_EQ(Title(tool.Frame()), "Vantrace - vt_recover.vtl");
    EXPECT_EQ(ReadBytes(m_path), m_edited);
    EXPECT_TRUE(RecoveryFiles().empty());

    // Edited again and closed by the host, answered No: the edits and their copy go.
    ui::DialogAnswerer answerer(GetProcessId(tool.Process()));
    answerer.Expect("Add Group", IDOK, [](HWND dialog) { SetDlgItemTextA(dialog, IDC_GROUP_NAME, "Dropped"); })
        .Expect("Save File", IDNO)
        .Start(20000);
    tool.PostFrameCommand(ID_GROUP_ADD);
    ASSERT_TRUE(WaitTitle(tool.Frame(), "Vantrace - vt_recover.vtl *"));
    for (int i = 0; i < 100 && RecoveryFiles().empty(); ++i)
        Sleep(50);
    EXPECT_EQ(RecoveryFiles().size(), 1u);
    DWORD code = 1;
    EXPECT_TRUE(tool.Close(20000, code));
    EXPECT_EQ(answerer.Finish().size(), 2u);
    EXPECT_TRUE(RecoveryFiles().empty());
    EXPECT_EQ(ReadBytes(m_path), m_edited);
}

TEST_F(RecoveryTest, NoKeepsTheSavedListAndEmptiesTheRecoveryFolder)
{
    ToolProcess tool(false);
    EXPECT_EQ(StartAndAnswer(tool, IDNO).size(), 1u);
    tool.Settle();
    EXPECT_TRUE(Title(tool.Frame()).ends_with("vt_recover.vtl")) << "unmodified: " << Title(tool.Frame());
    EXPECT_EQ(ReadBytes(m_path), m_saved);
    EXPECT_TRUE(RecoveryFiles().empty());
}
}   // namespace
