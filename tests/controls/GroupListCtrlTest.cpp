// The group list on a real list view under a real parent window: its mouse and key tables,
// the radio-style check boxes and their refusal message, and the helpers the workspace calls.
#include "CGroupListCtrl.h"
#include "CWinApp.h"
#include "DialogAnswerer.h"
#include "ListTestSupport.h"

#include <gtest/gtest.h>

using ui::RowPart;
using ui::RowPartPoint;

namespace {
const char kRefusal[] =
    "At least one group must be selected.\n\n\"Automatically populate Chromatogram\" can be disabled on the "
    "toolbar if no longer required.";

class GroupListTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateParent());
        ASSERT_TRUE(m_list.Create(kListStyle, RECT{10, 10, 411, 251}, &m_parent, 1));
    }

    // Rows "group0".. with data 200 + row; only row `checked` checked (none for -1).
    void Fill(int count, int checked)
    {
        for (int row = 0; row < count; ++row) {
            const std::string name = "group" + std::to_string(row);
            ASSERT_TRUE(m_list.AddItem(row, 200 + row, name.c_str(), "comment", row == checked));
        }
    }

    POINT At(int row, RowPart part) const { return RowPartPoint(m_list, row, part); }
    Names Received() { return TakeReceived(m_parent); }

    CListTestWindow m_parent;
    CGroupListCtrl m_list;
};

// The workspace's shared column width: the last column stops at the client area's edge
// (the border takes two pixels of the window), so the columns that fit need no scroll bar.
TEST_F(GroupListTest, SharedColumnWidthsEndInsideTheBorder)
{
    RECT client{};
    m_list.GetClientRect(&client);
    ASSERT_LT(client.right, 2 * 200 + 1);
    for (int width : {200, 150, 0}) {
        m_list.SetColumnWidths(width);
        EXPECT_EQ(m_list.GetColumnWidth(0), width);
        EXPECT_EQ(m_list.GetColumnWidth(1), width == 200 ? client.right - 200 : width);
        EXPECT_EQ(m_list.GetStyle() & WS_HSCROLL, 0u) << width;
    }
}

TEST_F(GroupListTest, CreationAndAddItem)
{
    EXPECT_EQ(ColumnHeading(m_list, 0), "Group Name");
    EXPECT_EQ(ColumnHeading(m_list, 1), "Group Comment");
    EXPECT_EQ(m_list.GetColumnWidth(0), 200);
    EXPECT_EQ(m_list.GetColumnWidth(1), 200);
    EXPECT_EQ(m_list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));
    EXPECT_NE(m_list.GetImageList(LVSIL_STATE), nullptr);   // shown, though not yet answering
    EXPECT_FALSE(m_list.AreChecksEnabled());

    ASSERT_TRUE(m_list.AddItem(0, 31, "Lipids", "positive mode", false));
    ASSERT_TRUE(m_list.AddItem(1, 32, "Peptides", "", true));
    ASSERT_TRUE(m_list.AddItem(2, 33, "Blanks", "", false));
    EXPECT_EQ(m_list.GetItemText(0, 0), "Lipids");
    EXPECT_EQ(m_list.GetItemText(0, 1), "positive mode");
    EXPECT_EQ(m_list.GetItemData(1), 32u);
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));
    EXPECT_EQ(m_list.GetCurrentItem(), 1);   // the checked row, not the last one added
    EXPECT_EQ(SelectedRows(m_list), Rows{2});
    EXPECT_FALSE(m_list.AddItem(-1, 34, "refused", "", true));
    EXPECT_EQ(m_list.GetCurrentItem(), 1);
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));
}

// A rebuild inserts its rows unselected but must end where adding them one by one ends:
// the last row selected and focused, the same marks, data and current row.
TEST_F(GroupListTest, RebuildEndsLikeAddingRowByRow)
{
    CGroupListCtrl rebuilt;
    ASSERT_TRUE(rebuilt.Create(kListStyle, RECT{420, 10, 821, 251}, &m_parent, 2));
    ASSERT_TRUE(rebuilt.AddItem(0, 99, "old", "", false));
    rebuilt.SelectItem(0);

    Fill(4, 1);
    rebuilt.BeginRebuild();
    EXPECT_EQ(rebuilt.GetItemCount(), 0);
    for (int row = 0; row < 4; ++row) {
        const std::string name = "group" + std::to_string(row);
        ASSERT_TRUE(rebuilt.AddItem(row, 200 + row, name.c_str(), "comment", row == 1));
    }
    EXPECT_EQ(SelectedRows(rebuilt), Rows{});
    rebuilt.EndRebuild();

    EXPECT_EQ(SelectedRows(rebuilt), SelectedRows(m_list));
    EXPECT_EQ(SelectedRows(rebuilt), Rows{3});
    EXPECT_EQ(FocusedRow(rebuilt), FocusedRow(m_list));
    EXPECT_EQ(Checks(rebuilt), Checks(m_list));
    EXPECT_EQ(rebuilt.GetCurrentItem(), m_list.GetCurrentItem());
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(rebuilt.GetItemData(row), m_list.GetItemData(row));
        EXPECT_EQ(rebuilt.GetItemText(row, 0), m_list.GetItemText(row, 0));
    }

    // An empty rebuild selects nothing, and rows added afterwards are selected again.
    rebuilt.BeginRebuild();
    rebuilt.EndRebuild();
    EXPECT_EQ(rebuilt.GetItemCount(), 0);
    ASSERT_TRUE(rebuilt.AddItem(0, 7, "new", "", false));
    EXPECT_EQ(SelectedRows(rebuilt), Rows{0});
    EXPECT_EQ(FocusedRow(rebuilt), 0);
}

TEST_F(GroupListTest, PressesPickTheGroupButNeverLaunch)
{
    Fill(3, -1);
    m_list.SelectItem(0);
    ui::Click(m_list, At(1, RowPart::Icon));
    EXPECT_EQ(Received(), Names{"WM_GROUP_UPDATE"});
    EXPECT_EQ(SelectedRows(m_list), Rows{1});

    ui::Click(m_list, At(2, RowPart::Label));
    EXPECT_EQ(Received(), Names{"WM_GROUP_UPDATE"});
    EXPECT_EQ(SelectedRows(m_list), Rows{2});

    ui::Click(m_list, BelowRows(m_list));
    EXPECT_EQ(Received(), Names{});
    EXPECT_EQ(SelectedRows(m_list), Rows{2});

    ui::DoubleClick(m_list, At(0, RowPart::Label));
    ui::DoubleClick(m_list, At(0, RowPart::Icon));
    EXPECT_EQ(Received(), (Names{"WM_GROUP_UPDATE", "WM_GROUP_UPDATE"}));

    ui::RightClick(m_list, At(1, RowPart::Label));
    EXPECT_EQ(Received(), Names{"s_wm_GROUP_LISTCTRL_CONTEXTMENU"});
    EXPECT_EQ(SelectedRows(m_list), Rows{1});
    EXPECT_EQ(Checks(m_list), (Marks{false, false, false}));
}

TEST_F(GroupListTest, KeyTableAndSpaceChangesNoMark)
{
    Fill(3, 1);
    m_list.SelectItem(1);
    for (int key : {VK_DELETE, VK_RETURN, VK_TAB, VK_UP, VK_DOWN, VK_SPACE, int{'G'}})
        ui::PressKey(m_list, key);
    EXPECT_EQ(Received(), (Names{"s_wm_GROUP_DELETEKEY", "s_wm_GROUP_LAUNCH", "s_wm_GROUP_TAB", "WM_GROUP_UPDATE",
                                 "WM_GROUP_UPDATE"}));
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));
}

TEST_F(GroupListTest, ClickOnAnUncheckedBoxMovesTheCheck)
{
    Fill(3, 1);
    m_list.EnableChecks(true);
    m_list.SelectItem(2);
    ui::Click(m_list, At(0, RowPart::CheckBox));
    EXPECT_EQ(Received(), Names{"s_wm_GROUP_CHECK"});
    EXPECT_EQ(Checks(m_list), (Marks{true, false, false}));
    EXPECT_EQ(m_list.GetCurrentItem(), 0);
    EXPECT_TRUE(m_list.IsCurrentItemChecked());
    EXPECT_EQ(SelectedRows(m_list), Rows{0});

    DWORD data = 0;
    EXPECT_TRUE(m_list.GetFirstCheckedItemData(data));
    EXPECT_EQ(data, 200u);
    m_list.SelectItem(2);
    ui::PressKey(m_list, VK_SPACE);   // the keyboard's press on the selected row's box
    EXPECT_EQ(Checks(m_list), (Marks{false, false, true}));
}

TEST_F(GroupListTest, ClickOnTheCheckedBoxIsRefusedWithAMessage)
{
    Fill(3, 1);
    m_list.EnableChecks(true);
    m_list.SelectItem(2);
    m_list.SetItemState(2, 0, LVIS_FOCUSED);
    m_list.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);

    ui::DialogAnswerer answerer;
    answerer.Expect("Vantrace", IDOK).Start();
    ui::Click(m_list, At(1, RowPart::CheckBox));
    const auto seen = answerer.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Vantrace");
    EXPECT_EQ(seen[0].text, kRefusal);
    EXPECT_EQ(seen[0].iconStyle, 0u);

    EXPECT_EQ(Received(), Names{});
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));
    EXPECT_EQ(SelectedRows(m_list), Rows{2});
    EXPECT_EQ(FocusedRow(m_list), 0);
}

TEST_F(GroupListTest, WithChecksDisabledNoBoxCounts)
{
    Fill(3, 1);
    // Not yet enabled: the boxes show, but a press on one is an ordinary press.
    ui::Click(m_list, At(0, RowPart::CheckBox));
    EXPECT_EQ(Received(), Names{});
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));

    m_list.EnableChecks(true);
    HIMAGELIST shown = m_list.GetImageList(LVSIL_STATE);
    m_list.EnableChecks(true);
    EXPECT_EQ(m_list.GetImageList(LVSIL_STATE), shown);   // a repeated call changes nothing

    m_list.EnableChecks(false);
    EXPECT_FALSE(m_list.AreChecksEnabled());
    EXPECT_EQ(m_list.GetImageList(LVSIL_STATE), nullptr);
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));   // the marks stay in the rows
    // Nowhere along a row is there a box any more.
    RECT bounds{};
    m_list.GetItemRect(0, &bounds, LVIR_BOUNDS);
    for (int x = bounds.left; x < bounds.left + 60; x += 2) {
        ui::PlaceCursor(m_list, POINT{x, (bounds.top + bounds.bottom) / 2});
        int row = 9;
        bool checked = false;
        EXPECT_FALSE(m_list.IsCursorOnCheckBox(row, checked)) << "x " << x;
    }
    ui::Click(m_list, At(0, RowPart::CheckBox));
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));
    for (const std::string& name : Received())
        EXPECT_NE(name, "s_wm_GROUP_CHECK");

    m_list.EnableChecks(true);
    ASSERT_NE(m_list.GetImageList(LVSIL_STATE), nullptr);
    ui::Click(m_list, At(2, RowPart::CheckBox));
    EXPECT_EQ(Received(), Names{"s_wm_GROUP_CHECK"});
    EXPECT_EQ(Checks(m_list), (Marks{false, false, true}));
}

TEST_F(GroupListTest, GetFirstCheckedItemData)
{
    DWORD data = 5;
    m_list.UncheckAll();
    EXPECT_FALSE(m_list.GetFirstCheckedItemData(data));   // no rows
    EXPECT_EQ(m_list.GetCurrentItem(), 0);
    EXPECT_EQ(data, 5u);

    Fill(4, 2);
    EXPECT_TRUE(m_list.GetFirstCheckedItemData(data));
    EXPECT_EQ(data, 202u);
    EXPECT_EQ(m_list.GetCurrentItem(), 2);

    m_list.UncheckAll();
    EXPECT_EQ(Checks(m_list), (Marks{false, false, false, false}));
    data = 5;
    EXPECT_FALSE(m_list.GetFirstCheckedItemData(data));
    EXPECT_EQ(data, 5u);
    EXPECT_EQ(m_list.GetCurrentItem(), 3);
    EXPECT_FALSE(m_list.IsCurrentItemChecked());
}

TEST_F(GroupListTest, SelectAfterDeleteLeavesTheFocusAlone)
{
    Fill(2, -1);   // three rows, the last one deleted
    m_list.SetItemState(1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
    int row = 2;
    EXPECT_TRUE(m_list.SelectAfterDelete(2, row));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(SelectedRows(m_list), Rows{1});
    EXPECT_EQ(FocusedRow(m_list), 0);

    m_list.DeleteAllItems();
    row = 0;
    EXPECT_FALSE(m_list.SelectAfterDelete(0, row));
}

// The list view finds rows by the letters typed through the list, which holds the names.
TEST_F(GroupListTest, TypedLettersSelectTheNextRowWhoseNameStartsWithThem)
{
    for (const char* name : {"Lipids", "Peptides", "Pesticides", "Blanks"})
        ASSERT_TRUE(m_list.AddItem(m_list.GetItemCount(), 1, name, "", false));
    m_list.SelectItem(0);
    for (char key : std::string("PES"))
        ui::PressKey(m_list, key);
    EXPECT_EQ(SelectedRows(m_list), Rows{2});
    EXPECT_EQ(FocusedRow(m_list), 2);
}

TEST_F(GroupListTest, SelectItemTakesTheFocusOnlyWhenTheMainWindowShows)
{
    Fill(3, -1);
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, RECT{420, 10, 500, 30}, m_parent, 2));
    CWinApp app("GroupListTest");
    app.m_pMainWnd = &m_parent;

    m_parent.ShowWindow(SW_HIDE);
    other.SetFocus();
    m_list.SelectItem(0);
    EXPECT_EQ(SelectedRows(m_list), Rows{0});
    EXPECT_NE(GetFocus(), m_list.m_hWnd);

    m_parent.ShowWindow(SW_SHOW);
    SetActiveWindow(m_parent);
    other.SetFocus();
    ASSERT_EQ(GetFocus(), other.m_hWnd);
    m_list.SelectItem(1);
    EXPECT_EQ(SelectedRows(m_list), Rows{1});
    EXPECT_EQ(GetFocus(), m_list.m_hWnd);
}

TEST_F(GroupListTest, AutoSizeColumnsTakesTheSmallerWidthFromColumnOne)
{
    m_list.AddItem(0, 1, "g", "short", false);
    m_list.SetColumnWidth(0, 150);
    m_list.SetColumnWidth(1, LVSCW_AUTOSIZE);
    const int content = m_list.GetColumnWidth(1);
    m_list.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    const int fill = m_list.GetColumnWidth(1);
    ASSERT_LT(content, fill);

    m_list.SetColumnWidth(1, 40);
    m_list.AutoSizeColumns();
    EXPECT_EQ(m_list.GetColumnWidth(0), 150);   // the name column keeps its width
    EXPECT_EQ(m_list.GetColumnWidth(1), content);

    // A comment longer than the room left: the column takes the room left.
    const std::string longText(150, 'C');
    m_list.ClearItems();
    m_list.AddItem(0, 1, "g", longText.c_str(), false);
    m_list.SetColumnWidth(1, LVSCW_AUTOSIZE);
    ASSERT_GT(m_list.GetColumnWidth(1), fill);
    m_list.SetColumnWidth(1, 40);
    m_list.AutoSizeColumns();
    EXPECT_EQ(m_list.GetColumnWidth(1), fill);

    // A single column (Mini view) is left alone.
    m_list.DeleteColumn(1);
    m_list.SetColumnWidth(0, 150);
    m_list.AutoSizeColumns();
    EXPECT_EQ(m_list.GetColumnWidth(0), 150);
}
}   // namespace
