// The workspace's layout and view modes in a real frame.
#include "WorkspaceFixture.h"

#include <commctrl.h>

namespace {
std::string ColumnTitle(CListCtrl& list, int column)
{
    char text[64] = {};
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    list.SendMessage(LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
    return text;
}

class ViewModeTest : public WorkspaceFixture {};

TEST_F(ViewModeTest, NormalViewOnLaidOutListsKeepsTwoColumns)
{
    ASSERT_GT(Data().m_groupList.GetColumnWidth(0), 0);   // the frame has laid the lists out
    View().ApplyViewMode(false);
    EXPECT_EQ(Data().m_groupList.GetHeaderItemCount(), 2);
    EXPECT_EQ(Data().m_chroList.GetHeaderItemCount(), 2);
}

TEST_F(ViewModeTest, NormalMiniNormalLeavesTwoColumnsEachWithTheNormalTitles)
{
    AddGroup("G1");
    ShowList();
    View().ApplyViewMode(true);
    EXPECT_EQ(Data().m_groupList.GetHeaderItemCount(), 1);
    EXPECT_EQ(Data().m_chroList.GetHeaderItemCount(), 1);
    View().ApplyViewMode(false);
    ASSERT_EQ(Data().m_groupList.GetHeaderItemCount(), 2);
    ASSERT_EQ(Data().m_chroList.GetHeaderItemCount(), 2);
    EXPECT_EQ(ColumnTitle(Data().m_groupList, 1), "Comment");
    EXPECT_EQ(ColumnTitle(Data().m_chroList, 1), "Description");
    EXPECT_EQ(SelectedRow(Data().m_groupList.m_hWnd), 0);
}

TEST_F(ViewModeTest, NarrowClientGivesTheChromatogramListTheWholeWidth)
{
    View().MoveWindow(RECT{0, 0, 3, 200}, TRUE);   // fewer pixels than columns: colWidth 0
    RECT chros{};
    Data().m_chroList.GetWindowRect(&chros);
    RECT client{};
    View().GetClientRect(&client);
    EXPECT_EQ(chros.right - chros.left, client.right);
    EXPECT_EQ(Data().m_groupList.GetColumnWidth(0), 0);
}
}   // namespace
