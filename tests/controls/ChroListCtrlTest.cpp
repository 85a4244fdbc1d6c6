// The chromatogram list on a real list view under a real parent window: rows, the mouse and
// key tables with the messages they post, hit tests at the cursor, and the helpers the
// workspace calls.
#include "CChroListCtrl.h"
#include "ListTestSupport.h"
#include "resource.h"

#include <gtest/gtest.h>

using ui::RowPart;
using ui::RowPartPoint;

namespace {
class ChroListTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateParent());
        ASSERT_TRUE(m_list.Create(kListStyle, RECT{10, 10, 411, 251}, &m_parent, 1));
    }

    // Rows "chro0".. with data 100 + row, every odd row checked; the last row ends selected.
    void Fill(int count)
    {
        for (int row = 0; row < count; ++row) {
            const std::string name = "chro" + std::to_string(row);
            ASSERT_TRUE(m_list.AddItem(row, name.c_str(), "description", 100 + row, row % 2 == 1));
        }
    }

    // The list as the workspace leaves it after deleting a row: rebuilt without it.
    void Remove(int gone)
    {
        struct SRow {
            std::string name, description;
            DWORD data;
            bool checked;
        };
        std::vector<SRow> rows;
        for (int row = 0; row < m_list.GetItemCount(); ++row)
            if (row != gone)
                rows.push_back({m_list.GetItemText(row, 0), m_list.GetItemText(row, 1),
                                static_cast<DWORD>(m_list.GetItemData(row)), m_list.GetCheck(row) != FALSE});
        m_list.BeginRebuild();
        for (const SRow& row : rows)
            m_list.AddItem(m_list.GetItemCount(), row.name.c_str(), row.description.c_str(), row.data, row.checked);
        m_list.EndRebuild();
    }

    POINT At(int row, RowPart part) const { return RowPartPoint(m_list, row, part); }
    Names Received() { return TakeReceived(m_parent); }

    CListTestWindow m_parent;
    CChroListCtrl m_list;
};

TEST_F(ChroListTest, CreationGivesTwoHalfWidthColumnsFullRowSelectAndTheImages)
{
    EXPECT_EQ(m_list.GetHeaderItemCount(), 2);
    EXPECT_EQ(ColumnHeading(m_list, 0), "Name");
    EXPECT_EQ(ColumnHeading(m_list, 1), "Description");
    EXPECT_EQ(m_list.GetColumnWidth(0), 200);   // 401 / 2
    EXPECT_EQ(m_list.GetColumnWidth(1), 200);
    EXPECT_EQ(m_list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));

    HIMAGELIST icons = m_list.GetImageList(LVSIL_SMALL);
    HIMAGELIST states = m_list.GetImageList(LVSIL_STATE);
    ASSERT_NE(icons, nullptr);
    ASSERT_NE(states, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(icons), 1);
    EXPECT_EQ(ImageList_GetImageCount(states), 2);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(states, &cx, &cy);
    EXPECT_EQ(cx, 20);
    EXPECT_EQ(cy, 20);
}

TEST_F(ChroListTest, AddItemFillsTheRowAndSelectsItAlone)
{
    EXPECT_TRUE(m_list.AddItem(0, "TIC", "total ion current", 7, true));
    EXPECT_TRUE(m_list.AddItem(1, "BPI", "", 9, false));
    EXPECT_TRUE(m_list.AddItem(0, "Mass", "m/z 301", 11, false));   // before the others

    ASSERT_EQ(m_list.GetItemCount(), 3);
    EXPECT_EQ(m_list.GetItemText(0, 0), "Mass");
    EXPECT_EQ(m_list.GetItemText(1, 0), "TIC");
    EXPECT_EQ(m_list.GetItemText(1, 1), "total ion current");
    EXPECT_EQ(m_list.GetItemData(0), 11u);
    EXPECT_EQ(m_list.GetItemData(1), 7u);
    EXPECT_EQ(m_list.GetItemData(2), 9u);
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));
    EXPECT_EQ(SelectedRows(m_list), Rows{0});
    EXPECT_EQ(FocusedRow(m_list), 0);

    int count = -1;
    EXPECT_TRUE(m_list.HasItems(count));
    EXPECT_EQ(count, 3);
    m_list.ClearItems();
    m_list.CountItems(count);
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(m_list.HasItems(count));
}

// A refused row must not fall through to the row-less index -1, which the list view takes
// as "every row" for state changes.
TEST_F(ChroListTest, RefusedRowLeavesTheOtherRowsAlone)
{
    Fill(3);
    m_list.SelectItem(0);
    EXPECT_FALSE(m_list.AddItem(-1, "bad", "", 55, true));
    EXPECT_EQ(m_list.GetItemCount(), 3);
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));
    int row = -1;
    EXPECT_FALSE(m_list.FindItemByData(55, row));
}

TEST_F(ChroListTest, PressOnTheIconLaunchesAndSelects)
{
    Fill(3);
    m_list.SelectItem(0);
    ui::Click(m_list, At(2, RowPart::Icon));
    EXPECT_EQ(Received(), (Names{"s_wm_CHRO_LAUNCH", "s_wm_CHRO_UPDATE"}));
    EXPECT_EQ(SelectedRows(m_list), Rows{2});
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));
}

TEST_F(ChroListTest, PressOnACheckBoxTogglesOnlyThatRowAndMakesItCurrent)
{
    Fill(3);
    m_list.SelectItem(0);
    ui::Click(m_list, At(2, RowPart::CheckBox));
    EXPECT_EQ(Received(), (Names{"s_wm_CHRO_CHECK", "s_wm_CHRO_UPDATE"}));
    EXPECT_EQ(Checks(m_list), (Marks{false, true, true}));
    EXPECT_EQ(m_list.GetCurrentItem(), 2);
    EXPECT_TRUE(m_list.IsCurrentItemChecked());
    DWORD data = 0;
    m_list.GetCurrentItemData(data);
    EXPECT_EQ(data, 102u);
    EXPECT_EQ(SelectedRows(m_list), Rows{2});

    ui::Click(m_list, At(1, RowPart::CheckBox));
    EXPECT_EQ(Received(), (Names{"s_wm_CHRO_CHECK", "s_wm_CHRO_UPDATE"}));
    EXPECT_EQ(Checks(m_list), (Marks{false, false, true}));
    EXPECT_EQ(m_list.GetCurrentItem(), 1);
    EXPECT_FALSE(m_list.IsCurrentItemChecked());
}

TEST_F(ChroListTest, PressOnTheLabelOrBelowTheRows)
{
    Fill(3);
    m_list.SelectItem(0);
    ui::Click(m_list, At(1, RowPart::Label));
    EXPECT_EQ(Received(), Names{"s_wm_CHRO_UPDATE"});
    EXPECT_EQ(SelectedRows(m_list), Rows{1});
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));

    // The list view drops the selection; the click gives it back to the focused row.
    ui::Click(m_list, BelowRows(m_list));
    EXPECT_EQ(Received(), Names{"s_wm_CHRO_UPDATE"});
    EXPECT_EQ(SelectedRows(m_list), Rows{1});
}

TEST_F(ChroListTest, RightPressSelectsTheRowThenAsksForTheMenu)
{
    Fill(3);
    ui::RightClick(m_list, At(0, RowPart::Label));
    EXPECT_EQ(Received(), Names{"s_wm_CHRO_LISTCTRL_CONTEXTMENU"});
    EXPECT_EQ(SelectedRows(m_list), Rows{0});

    ui::RightClick(m_list, BelowRows(m_list));
    EXPECT_EQ(Received(), Names{"s_wm_CHRO_LISTCTRL_CONTEXTMENU"});
    EXPECT_EQ(SelectedRows(m_list), Rows{0});
}

TEST_F(ChroListTest, DoubleClicks)
{
    Fill(3);
    ui::DoubleClick(m_list, At(0, RowPart::CheckBox));
    EXPECT_EQ(Received(), (Names{"s_wm_CHRO_CHECK", "s_wm_CHRO_UPDATE"}));
    EXPECT_EQ(Checks(m_list), (Marks{true, true, false}));

    ui::DoubleClick(m_list, At(1, RowPart::Icon));
    EXPECT_EQ(Received(), (Names{"s_wm_CHRO_LAUNCH", "s_wm_CHRO_UPDATE", "s_wm_CHRO_LAUNCH"}));

    ui::DoubleClick(m_list, At(2, RowPart::Label));
    EXPECT_EQ(Received(), (Names{"s_wm_CHRO_UPDATE", "s_wm_CHRO_LAUNCH"}));
    EXPECT_EQ(Checks(m_list), (Marks{true, true, false}));

    m_list.SelectItem(2);
    ui::DoubleClick(m_list, BelowRows(m_list));
    EXPECT_EQ(Received(), (Names{"s_wm_CHRO_UPDATE"}));
    EXPECT_EQ(SelectedRows(m_list), Rows{2});
}

TEST_F(ChroListTest, KeyTable)
{
    Fill(3);
    m_list.SelectItem(1);
    for (int key : {VK_DELETE, VK_RETURN, VK_TAB, VK_UP, VK_DOWN, int{'X'}, VK_F2})
        ui::PressKey(m_list, key);
    EXPECT_EQ(Received(), (Names{"s_wm_CHRO_DELETEKEY", "s_wm_CHRO_LAUNCH", "s_wm_CHRO_TAB", "s_wm_CHRO_UPDATE",
                                 "s_wm_CHRO_UPDATE"}));
    EXPECT_EQ(Checks(m_list), (Marks{false, true, false}));

    // At either end the key still counts.
    m_list.SetItemState(1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SelectItem(0);
    ui::PressKey(m_list, VK_UP);
    m_list.SetItemState(0, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SelectItem(2);
    ui::PressKey(m_list, VK_DOWN);
    EXPECT_EQ(Received(), (Names{"s_wm_CHRO_UPDATE", "s_wm_CHRO_UPDATE"}));
}

TEST_F(ChroListTest, SpaceTogglesTheSelectedRowOrRowZero)
{
    Fill(3);
    ui::Click(m_list, At(0, RowPart::CheckBox));   // row 0 toggled last by the mouse
    m_list.SetItemState(0, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SelectItem(2);
    Received();

    ui::PressKey(m_list, VK_SPACE);
    EXPECT_EQ(Received(), Names{"s_wm_CHRO_CHECK"});
    EXPECT_EQ(Checks(m_list), (Marks{true, true, true}));
    EXPECT_EQ(m_list.GetCurrentItem(), 2);

    m_list.SetItemState(2, 0, LVIS_SELECTED);
    ASSERT_EQ(SelectedRows(m_list), Rows{});
    ui::PressKey(m_list, VK_SPACE);
    EXPECT_EQ(Received(), Names{"s_wm_CHRO_CHECK"});
    EXPECT_EQ(Checks(m_list), (Marks{false, true, true}));
    EXPECT_EQ(m_list.GetCurrentItem(), 0);
}

TEST_F(ChroListTest, PointingHandOnlyOverTheIcon)
{
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_POINTING_HAND));
    ASSERT_NE(hand, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_EQ(info.xHotspot, 11u);
    EXPECT_EQ(info.yHotspot, 10u);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);

    Fill(2);
    ui::MoveMouse(m_list, At(1, RowPart::Icon));
    EXPECT_EQ(GetCursor(), hand);
    ui::MoveMouse(m_list, At(1, RowPart::Label));
    EXPECT_NE(GetCursor(), hand);
    ui::MoveMouse(m_list, At(0, RowPart::Icon));
    EXPECT_EQ(GetCursor(), hand);
    ui::MoveMouse(m_list, At(0, RowPart::CheckBox));
    EXPECT_NE(GetCursor(), hand);
    ui::MoveMouse(m_list, At(0, RowPart::Icon));
    ui::MoveMouse(m_list, BelowRows(m_list));
    EXPECT_NE(GetCursor(), hand);
    EXPECT_EQ(Received(), Names{});
}

TEST_F(ChroListTest, ReselectFocusedItemOnlyOffTheRows)
{
    Fill(3);
    m_list.SelectItem(1);
    m_list.SetItemState(1, 0, LVIS_SELECTED);
    LRESULT result = 5;
    ui::PlaceCursor(m_list, At(0, RowPart::Label));
    m_list.ReselectFocusedItem(&result);
    EXPECT_EQ(result, 5);
    EXPECT_EQ(SelectedRows(m_list), Rows{});

    ui::PlaceCursor(m_list, BelowRows(m_list));
    m_list.ReselectFocusedItem(&result);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(SelectedRows(m_list), Rows{1});
}

TEST_F(ChroListTest, SelectAfterDelete)
{
    Fill(3);
    int row = 2;   // the last row goes
    Remove(row);
    EXPECT_TRUE(m_list.SelectAfterDelete(2, row));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(SelectedRows(m_list), Rows{1});
    EXPECT_EQ(FocusedRow(m_list), 1);

    row = 0;   // a row with one after it goes
    Remove(row);
    EXPECT_TRUE(m_list.SelectAfterDelete(1, row));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(SelectedRows(m_list), Rows{0});
    EXPECT_EQ(m_list.GetItemText(0, 0), "chro1");

    row = 0;   // the only row goes
    Remove(row);
    EXPECT_FALSE(m_list.SelectAfterDelete(0, row));
    EXPECT_EQ(row, 0);
    int selected = 7;
    EXPECT_FALSE(m_list.GetSelectedItem(selected));
    EXPECT_EQ(selected, 7);
    DWORD data = 3;
    EXPECT_FALSE(m_list.GetSelectedItemData(data));
    EXPECT_EQ(data, 3u);
}

TEST_F(ChroListTest, FindItemByDataGivesTheFirstRowWithThatData)
{
    // A refresh: each row looked up right after it is added.
    m_list.DeleteAllItems();
    for (int row = 0; row < 5; ++row) {
        ASSERT_TRUE(m_list.AddItem(row, "c", "", 40 + row, false));
        int found = -1;
        ASSERT_TRUE(m_list.FindItemByData(40 + row, found));
        EXPECT_EQ(found, row);
    }
    int found = -1;
    EXPECT_TRUE(m_list.FindItemByData(41, found));
    EXPECT_EQ(found, 1);
    EXPECT_FALSE(m_list.FindItemByData(99, found));

    // A repeated value: the first row still wins over the row just added.
    ASSERT_TRUE(m_list.AddItem(5, "again", "", 42, false));
    EXPECT_TRUE(m_list.FindItemByData(42, found));
    EXPECT_EQ(found, 2);

    // A row added at the front moves the others down; a cleared list holds nothing.
    ASSERT_TRUE(m_list.AddItem(0, "front", "", 44, false));
    EXPECT_TRUE(m_list.FindItemByData(44, found));
    EXPECT_EQ(found, 0);
    EXPECT_TRUE(m_list.FindItemByData(42, found));
    EXPECT_EQ(found, 3);
    ASSERT_TRUE(m_list.AddItem(1, "second", "", 45, false));
    EXPECT_TRUE(m_list.FindItemByData(45, found));
    EXPECT_EQ(found, 1);
    EXPECT_TRUE(m_list.FindItemByData(40, found));
    EXPECT_EQ(found, 2);

    m_list.ClearItems();
    EXPECT_FALSE(m_list.FindItemByData(44, found));
}

TEST_F(ChroListTest, AutoSizeColumnsTakesTheLargerWidth)
{
    // Short names under a wider heading; a description too long for the room left.
    const std::string longText(150, 'D');
    m_list.AddItem(0, "n", longText.c_str(), 1, false);
    m_list.AddItem(1, "n", "d", 2, false);

    // The two widths of each column, as the list view gives them.
    m_list.SetColumnWidth(0, LVSCW_AUTOSIZE);
    const int content0 = m_list.GetColumnWidth(0);
    m_list.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    const int header0 = m_list.GetColumnWidth(0);
    ASSERT_GT(header0, content0);
    m_list.SetColumnWidth(1, LVSCW_AUTOSIZE);
    const int content1 = m_list.GetColumnWidth(1);
    m_list.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    const int fill1 = m_list.GetColumnWidth(1);
    ASSERT_GT(content1, fill1);

    m_list.SetColumnWidth(0, 30);
    m_list.SetColumnWidth(1, 30);
    m_list.AutoSizeColumns();
    EXPECT_EQ(m_list.GetColumnWidth(0), header0);
    EXPECT_EQ(m_list.GetColumnWidth(1), content1);
}
}   // namespace
