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
    ASSERT_GT(View().GroupList().GetColumnWidth(0), 0);   // the frame has laid the lists out
    View().ApplyViewMode(false);
    EXPECT_EQ(View().GroupList().GetHeaderItemCount(), 2);
    EXPECT_EQ(View().ChroList().GetHeaderItemCount(), 2);
}

TEST_F(ViewModeTest, NormalMiniNormalLeavesTwoColumnsEachWithTheNormalTitles)
{
    AddGroup("G1");
    ShowList();
    View().ApplyViewMode(true);
    EXPECT_EQ(View().GroupList().GetHeaderItemCount(), 1);
    EXPECT_EQ(View().ChroList().GetHeaderItemCount(), 1);
    View().ApplyViewMode(false);
    ASSERT_EQ(View().GroupList().GetHeaderItemCount(), 2);
    ASSERT_EQ(View().ChroList().GetHeaderItemCount(), 2);
    EXPECT_EQ(ColumnTitle(View().GroupList(), 1), "Comment");
    EXPECT_EQ(ColumnTitle(View().ChroList(), 1), "Description");
    EXPECT_EQ(SelectedRow(View().GroupList().m_hWnd), 0);
}

TEST_F(ViewModeTest, NarrowClientGivesTheChromatogramListTheWholeWidth)
{
    View().MoveWindow(RECT{0, 0, 3, 200}, TRUE);   // fewer pixels than columns: colWidth 0
    RECT chros{};
    View().ChroList().GetWindowRect(&chros);
    RECT client{};
    View().GetClientRect(&client);
    EXPECT_EQ(chros.right - chros.left, client.right);
    EXPECT_EQ(View().GroupList().GetColumnWidth(0), 0);
}
}   // namespace
