// What survives when Vantrace.exe is killed: the recent files and options it wrote as they
// changed, and the unsaved edits it kept in its recovery file.
#include "CRecoveryStore.h"
#include "DialogAnswerer.h"
#include "Registry.h"
#include "ToolProcess.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {
std::string Title(HWND frame)
{
    char title[512] = {};
    return GetWindowTextA(frame, title, sizeof title) ? title : "";
}

bool WaitTitle(HWND frame, const std::string& title)
{
    for (int i = 0; i < 200 && Title(frame) != title; ++i, Sleep(50)) {
    }
    return Title(frame) == title;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The recovery files in the user's recovery folder, waited for up to 5 s when expected.
std::vector<std::string> RecoveryFiles(bool wait = false)
{
    std::vector<std::string> files;
    const std::string folder = CRecoveryStore::DefaultFolder() + "\\";
    for (int i = 0; i < 100 && (i == 0 || (wait && files.empty())); ++i, Sleep(wait ? 50 : 0)) {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((folder + "*.vtr").c_str(), &found);
        for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found))
            files.push_back(folder + found.cFileName);
        FindClose(find);
    }
    return files;
}

// Saved as vt_recover.vtl in Mini view, then a group added and left unsaved until the tool is
// killed once its recovery file is there: m_saved the saved file, m_edited the kept list.
class RecoveryTest : public testing::Test {
protected:
    void SetUp() override
    {
        Clear();
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
        tool.SendFrameCommand(ID_VIEW_MINIMISE);
        tool.PostFrameCommand(ID_GROUP_ADD);
        ASSERT_TRUE(WaitTitle(tool.Frame(), "Vantrace - vt_recover.vtl *"));
        EXPECT_EQ(answerer.Finish().size(), 2u);
        ASSERT_EQ(RecoveryFiles(true).size(), 1u) << "no recovery file 5 s after the edit";
        m_edited = ReadBytes(RecoveryFiles()[0]);
        m_edited.erase(0, m_edited.find("VANTRACE-LIST"));
        ASSERT_TRUE(TerminateProcess(tool.Process(), 9) && tool.WaitForExit(10000));
    }
    void TearDown() override { Clear(); }
    void Clear()
    {
        reg::ClearTool();
        for (const std::string& file : RecoveryFiles())
            DeleteFileA(file.c_str());
        DeleteFileA(m_path.c_str());
    }

    std::vector<ui::SeenDialog> StartAndAnswer(ToolProcess& tool, int button)
    {
        EXPECT_TRUE(tool.StartAlone());
        ui::DialogAnswerer answerer(GetProcessId(tool.Process()));
        answerer.Expect("Vantrace", button).Start(20000);
        tool.Command(1);
        return answerer.Finish();
    }

    const std::string m_path = CRecoveryStore::DefaultFolder() + "\\vt_recover.vtl";
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
    EXPECT_EQ(RecoveryFiles(true).size(), 1u);
    DWORD code = 1;
    EXPECT_TRUE(tool.Close(20000, code));
    EXPECT_EQ(answerer.Finish().size(), 2u);
    EXPECT_TRUE(RecoveryFiles().empty());
    EXPECT_EQ(ReadBytes(m_path), m_edited);
}

// The start after the kill opened the list saved last (named as the recent files show it), in
// the view chosen last; No keeps that list and removes the copy.
TEST_F(RecoveryTest, NoKeepsTheSavedListAndEmptiesTheRecoveryFolder)
{
    ToolProcess tool(false);
    EXPECT_EQ(StartAndAnswer(tool, IDNO).size(), 1u);
    tool.Settle();
    EXPECT_TRUE(Title(tool.Frame()).ends_with("\\vt_recover.vtl")) << Title(tool.Frame());
    EXPECT_EQ(reg::ReadDword(reg::Tool("Options"), "Minii"), 1u);
    EXPECT_EQ(ReadBytes(m_path), m_saved);
    EXPECT_TRUE(RecoveryFiles().empty());
}
}   // namespace
