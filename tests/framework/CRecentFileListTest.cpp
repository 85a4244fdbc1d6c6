// The recent-file list: its registry values, display names and the File menu items it
// occupies on a real frame's menu.
#include "CCmdUI.h"
#include "CFrameWnd.h"
#include "CMenu.h"
#include "CRecentFileList.h"
#include "CWinApp.h"
#include "FrameworkIds.h"
#include "Registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const char kCompanyKey[] = "Software\\VantraceRecentTest";
const char kSectionKey[] = "Software\\VantraceRecentTest\\RecentApp\\Vantrace\\Recent files";
const UINT ID_TEST_EXIT = 40010;

std::string StoredValue(const char* name)
{
    return reg::ReadText(kSectionKey, name).value_or("<none>");
}

class RecentFileListTest : public testing::Test {
protected:
    void SetUp() override
    {
        reg::Remove(kCompanyKey);
        m_app.SetRegistryKey("VantraceRecentTest");
    }
    void TearDown() override { reg::Remove(kCompanyKey); }

    CWinApp m_app{"RecentApp"};
    CRecentFileList m_list{0, "Vantrace\\Recent files", "file%d", 4, 30};
};

TEST_F(RecentFileListTest, NewestFirstAtMostFourAndARepeatedFileMovesUp)
{
    for (const char* path :
         {"C:\\lists\\a.vtl", "C:\\lists\\b.vtl", "C:\\lists\\c.vtl", "C:\\lists\\d.vtl", "C:\\lists\\e.vtl"})
        m_list.Add(path);
    m_list.Add("c:\\LISTS\\C.VTL");   // the same file in other letters moves up, not in twice
    ASSERT_EQ(m_list.GetSize(), 4);
    EXPECT_EQ(m_list[0], "c:\\LISTS\\C.VTL");
    EXPECT_EQ(m_list[1], "C:\\lists\\e.vtl");
    EXPECT_EQ(m_list[2], "C:\\lists\\d.vtl");
    EXPECT_EQ(m_list[3], "C:\\lists\\b.vtl");
    EXPECT_EQ(m_list[4], "");
    EXPECT_EQ(m_list[-1], "");
}

TEST_F(RecentFileListTest, EntriesRoundTripThroughFileValuesOfTheSection)
{
    m_list.Add("C:\\lists\\one.vtl");
    m_list.Add("C:\\lists\\two.vtl");
    m_list.WriteList();
    EXPECT_EQ(StoredValue("file1"), "C:\\lists\\two.vtl");
    EXPECT_EQ(StoredValue("file2"), "C:\\lists\\one.vtl");
    EXPECT_EQ(StoredValue("file3"), "<none>");

    CRecentFileList reread(0, "Vantrace\\Recent files", "file%d", 4, 30);
    reread.ReadList();
    EXPECT_EQ(reread[0], "C:\\lists\\two.vtl");
    EXPECT_EQ(reread[1], "C:\\lists\\one.vtl");
    EXPECT_EQ(reread[2], "");

    // A removed entry disappears from the registry too.
    m_list.Remove(0);
    m_list.WriteList();
    EXPECT_EQ(StoredValue("file1"), "C:\\lists\\one.vtl");
    EXPECT_EQ(StoredValue("file2"), "<none>");
}

TEST_F(RecentFileListTest, GapsInStoredValuesCloseUp)
{
    m_app.WriteProfileString("Vantrace\\Recent files", "file2", "C:\\x\\second.vtl");
    m_app.WriteProfileString("Vantrace\\Recent files", "file4", "C:\\x\\fourth.vtl");
    m_list.ReadList();
    EXPECT_EQ(m_list[0], "C:\\x\\second.vtl");
    EXPECT_EQ(m_list[1], "C:\\x\\fourth.vtl");
    EXPECT_EQ(m_list[2], "");
}

TEST(AbbreviatePathTest, LongPathsLoseFoldersAfterTheRootButKeepTheFileName)
{
    EXPECT_EQ(AbbreviatePath("C:\\short\\a.vtl", 30, true), "C:\\short\\a.vtl");
    const std::string deep = "C:\\projects\\archive\\2026\\samples\\run.vtl";
    const std::string shortened = AbbreviatePath(deep, 30, true);
    EXPECT_EQ(shortened, "C:\\...\\2026\\samples\\run.vtl");
    EXPECT_LE(shortened.size(), 30u);
    EXPECT_EQ(AbbreviatePath("\\\\server\\share\\one\\two\\three\\list.vtl", 30, true),
              "\\\\server\\share\\...\\list.vtl");
    // Only the file name fits.
    EXPECT_EQ(AbbreviatePath("C:\\folder\\a_rather_long_list_name.vtl", 30, true), "a_rather_long_list_name.vtl");
    // A file name longer than the limit stays whole only when asked for.
    const std::string longName = "C:\\x\\an_extremely_long_list_file_name_indeed.vtl";
    EXPECT_EQ(AbbreviatePath(longName, 30, true), "an_extremely_long_list_file_name_indeed.vtl");
    EXPECT_EQ(AbbreviatePath(longName, 30, false), "");
}

TEST_F(RecentFileListTest, DisplayNamesDropTheCurrentFolderAndAreCut)
{
    m_list.Add("C:\\projects\\archive\\2026\\samples\\run.vtl");
    m_list.Add("C:\\work\\here.vtl");
    std::string name;
    ASSERT_TRUE(m_list.GetDisplayName(name, 0, "", true));
    EXPECT_EQ(name, "C:\\work\\here.vtl");
    ASSERT_TRUE(m_list.GetDisplayName(name, 0, "c:\\WORK", true));
    EXPECT_EQ(name, "here.vtl");
    ASSERT_TRUE(m_list.GetDisplayName(name, 1, "", true));
    EXPECT_EQ(name, "C:\\...\\2026\\samples\\run.vtl");
    EXPECT_FALSE(m_list.GetDisplayName(name, 2, "", true));
}

// A frame whose File menu holds the recent-file placeholder between other items; the
// Exit item's update handler counts its calls and greys the item.
class CRecentFrame : public CFrameWnd {
public:
    CRecentFileList* m_pList = nullptr;
    int m_nExitUpdates = 0;
    std::vector<UINT> m_recentUpdates;

    static const MessageMap* GetThisMessageMap()
    {
        static const MsgEntry entries[] = {
            msg::UpdateRange<&CRecentFrame::OnUpdateRecent>(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4),
            msg::Update<&CRecentFrame::OnUpdateExit>(ID_TEST_EXIT),
            msg::Command<&CRecentFrame::OnExit>(ID_TEST_EXIT),
            msg::Command<&CRecentFrame::OnExit>(ID_FILE_OPEN),
        };
        static const MessageMap map = MakeMessageMap(&CFrameWnd::GetThisMessageMap, entries);
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void OnUpdateRecent(CCmdUI* ui)
    {
        m_recentUpdates.push_back(ui->m_nID);
        m_pList->UpdateMenu(ui);
    }
    void OnUpdateExit(CCmdUI* ui)
    {
        ++m_nExitUpdates;
        ui->Enable(false);
    }
    void OnExit() {}
};

class RecentMenuTest : public RecentFileListTest {
protected:
    void SetUp() override
    {
        RecentFileListTest::SetUp();
        m_frame.m_pList = &m_list;
        m_popup = CreatePopupMenu();
        AppendMenuA(m_popup, MF_STRING, ID_FILE_OPEN, "&Open...");
        AppendMenuA(m_popup, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(m_popup, MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1, "Recent File");
        AppendMenuA(m_popup, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(m_popup, MF_STRING, ID_TEST_EXIT, "E&xit");
        HMENU bar = CreateMenu();
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(m_popup), "&File");
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "Recent", WS_OVERLAPPEDWINDOW, RECT{0, 0, 300, 200}, nullptr, 0));
        SetMenu(m_frame.m_hWnd, bar);
    }
    void TearDown() override
    {
        m_frame.DestroyWindow();
        MSG msg;
        PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        RecentFileListTest::TearDown();
    }
    void OpenMenu() { m_frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_popup), 0); }
    std::vector<std::string> Items() const
    {
        std::vector<std::string> items;
        for (int i = 0; i < GetMenuItemCount(m_popup); ++i) {
            const UINT id = GetMenuItemID(m_popup, i);
            if (id == 0) {
                items.push_back("-");
                continue;
            }
            std::string text = CMenu::GetMenuString(m_popup, static_cast<UINT>(i), MF_BYPOSITION);
            const bool grey = (GetMenuState(m_popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) != 0;
            items.push_back(std::to_string(id) + (grey ? " grey " : " ") + text);
        }
        return items;
    }

    CRecentFrame m_frame;
    HMENU m_popup = nullptr;
};

TEST_F(RecentMenuTest, EmptyListShowsTheGreyedPlaceholder)
{
    OpenMenu();
    const std::vector<std::string> expected = {"57601 &Open...", "-", "57616 grey Recent File", "-",
                                               "40010 grey E&xit"};
    EXPECT_EQ(Items(), expected);
}

TEST_F(RecentMenuTest, EntriesBecomeNumberedItemsAndTheRestOfTheMenuIsStillUpdated)
{
    m_list.Add("C:\\lists\\first.vtl");
    m_list.Add("C:\\lists\\R&D.vtl");
    OpenMenu();
    const std::vector<std::string> expected = {
        "57601 &Open...",  "-", "57616 &1 C:\\lists\\R&&D.vtl", "57617 &2 C:\\lists\\first.vtl", "-",
        "40010 grey E&xit"};
    EXPECT_EQ(Items(), expected);
    // Only the first item ran the recent-file update; the inserted ones were skipped, and
    // the item after them was updated exactly once.
    EXPECT_EQ(m_frame.m_recentUpdates, std::vector<UINT>{ID_FILE_MRU_FILE1});
    EXPECT_EQ(m_frame.m_nExitUpdates, 1);

    // Opening again with more entries replaces the items instead of adding to them.
    m_list.Add("C:\\lists\\third.vtl");
    OpenMenu();
    EXPECT_EQ(Items().size(), 7u);
    EXPECT_EQ(Items()[2], "57616 &1 C:\\lists\\third.vtl");
    EXPECT_EQ(Items()[4], "57618 &3 C:\\lists\\first.vtl");

    // Emptied again, the menu goes back to the placeholder alone.
    for (int i = 0; i < 3; ++i)
        m_list.Remove(0);
    OpenMenu();
    const std::vector<std::string> empty = {"57601 &Open...", "-", "57616 grey Recent File", "-", "40010 grey E&xit"};
    EXPECT_EQ(Items(), empty);
}
}   // namespace
