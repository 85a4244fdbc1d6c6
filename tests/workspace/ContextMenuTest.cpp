// The two lists' context menus: their items, their gray states for the rows they are opened
// on, where they open and that a chosen item runs the command. Each menu is read while it is
// open by a second thread, which then closes it with Escape.
#include "DialogAnswerer.h"
#include "ListViewInput.h"
#include "PopupMenuReader.h"
#include "Pump.h"
#include "WorkspaceFixture.h"
#include "ListMessages.h"

#include <commctrl.h>

#include <thread>

namespace {
const char kAddChro[] = "&Add Chromatogram...\tCtrl+H";
const char kEditChro[] = "&Edit...";
const char kDuplicateChro[] = "D&uplicate Chromatogram...";
const char kMoveUp[] = "Move U&p\tShift+Up";
const char kMoveDown[] = "Move Do&wn\tShift+Down";
const char kDeleteChro[] = "&Delete Chromatogram \tDEL";
const char kAddGroup[] = "Add &Group...\tCtrl+G";
const char kEditGroup[] = "&Edit Group...";
const char kDuplicateGroup[] = "D&uplicate Group...";
const char kMoveGroupUp[] = "Move Group U&p\tShift+Up";
const char kMoveGroupDown[] = "Move Group Do&wn\tShift+Down";
const char kDeleteGroup[] = "Delete G&roup\tDEL";

class ContextMenuTest : public WorkspaceFixture {
protected:
    void Chromatograms(int count)
    {
        const DWORD group = AddGroup("G");
        for (int i = 0; i < count; ++i)
            AddChro(group, std::string("C").append(std::to_string(i)));
        ShowList(0);
    }
    void ClearAndFill(int count)
    {
        Manager().DeleteListContent();
        Chromatograms(count);
    }
    // Right-clicks a list on a point and reads the menu that opens.
    PopupMenuReader Open(HWND list, POINT client)
    {
        PopupMenuReader reader;
        reader.Start();
        ui::RightClick(list, client);
        ui::PumpPending();
        EXPECT_TRUE(reader.Finish()) << "no menu opened";
        return reader;
    }
    PopupMenuReader OpenOnRow(HWND list, int row)
    {
        return Open(list, ui::RowPartPoint(list, row, ui::RowPart::Label));
    }
    PopupMenuReader OpenBelowRows(HWND list)
    {
        RECT client{};
        ::GetClientRect(list, &client);
        return Open(list, POINT{client.right / 2, client.bottom - 5});
    }
    static bool Grayed(const PopupMenuReader& menu, const char* text)
    {
        const PopupMenuReader::Item* item = menu.Find(text);
        EXPECT_NE(item, nullptr) << text;
        return item && item->grayed;
    }
    // The gray states of Add, Edit, Duplicate, Move Up, Move Down and Delete, as "0"/"1".
    static std::string ChroStates(const PopupMenuReader& menu)
    {
        std::string states;
        for (const char* text : {kAddChro, kEditChro, kDuplicateChro, kMoveUp, kMoveDown, kDeleteChro})
            states += Grayed(menu, text) ? '1' : '0';
        return states;
    }
};

TEST_F(ContextMenuTest, ChromatogramMenuHoldsItsItemsInOrder)
{
    Chromatograms(2);
    const PopupMenuReader menu = OpenOnRow(ChroList(), 0);
    std::vector<std::string> items;
    for (const PopupMenuReader::Item& item : menu.m_items)
        items.push_back(item.separator ? "-" : item.text);
    EXPECT_EQ(items, (std::vector<std::string>{kAddChro, kEditChro, "-", kDuplicateChro, "-", kMoveUp, kMoveDown, "-",
                                               kDeleteChro}));
}

TEST_F(ContextMenuTest, ChromatogramMenuOpensAtTheCursor)
{
    Chromatograms(2);
    const PopupMenuReader menu = OpenOnRow(ChroList(), 1);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(menu.m_rect.left, cursor.x);
    EXPECT_EQ(menu.m_rect.top, cursor.y);
}

TEST_F(ContextMenuTest, ChromatogramMenuGraysWhatCannotApply)
{
    Chromatograms(0);
    EXPECT_EQ(ChroStates(OpenBelowRows(ChroList())), "011111");   // empty: only Add
    ClearAndFill(1);
    EXPECT_EQ(ChroStates(OpenOnRow(ChroList(), 0)), "000110");   // one row: no moves
    ClearAndFill(3);
    EXPECT_EQ(ChroStates(OpenOnRow(ChroList(), 0)), "000100");   // first: no Move Up
    EXPECT_EQ(ChroStates(OpenOnRow(ChroList(), 1)), "000000");
    EXPECT_EQ(ChroStates(OpenOnRow(ChroList(), 2)), "000010");   // last: no Move Down
}

TEST_F(ContextMenuTest, GroupMenuOfAnEmptyListOffersOnlyAdd)
{
    PopupMenuReader menu = OpenBelowRows(GroupList());
    std::vector<std::string> items;
    for (const PopupMenuReader::Item& item : menu.m_items)
        items.push_back(item.separator ? "-" : item.text);
    EXPECT_EQ(items, (std::vector<std::string>{kAddGroup, kEditGroup, "-", kDuplicateGroup, "-", kMoveGroupUp,
                                               kMoveGroupDown, "-", kDeleteGroup}));
    EXPECT_FALSE(Grayed(menu, kAddGroup));
    for (const char* text : {kEditGroup, kDuplicateGroup, kMoveGroupUp, kMoveGroupDown, kDeleteGroup})
        EXPECT_TRUE(Grayed(menu, text)) << text;

    AddGroup("G");
    AddGroup("H");
    ShowList(0);
    menu = OpenOnRow(GroupList(), 0);
    for (const char* text : {kAddGroup, kEditGroup, kDuplicateGroup, kMoveGroupDown, kDeleteGroup})
        EXPECT_FALSE(Grayed(menu, text)) << text;
    EXPECT_TRUE(Grayed(menu, kMoveGroupUp));   // the first group cannot move up
}

// A command chosen from the menu goes to the workspace: Add picked by its mnemonic.
TEST_F(ContextMenuTest, ChosenItemRunsTheWorkspaceCommand)
{
    Chromatograms(2);
    std::thread chooser([] {
        HWND menu = nullptr;
        for (int tries = 0; tries < 250 && !menu; ++tries) {
            Sleep(20);
            menu = FindWindowA("#32768", nullptr);
        }
        if (menu)
            PostMessageA(menu, WM_CHAR, 'a', 0);
    });
    ui::DialogAnswerer answerer;
    answerer.Expect("Add chromatogram", IDCANCEL);
    answerer.Start();
    ui::RightClick(ChroList(), ui::RowPartPoint(ChroList(), 0, ui::RowPart::Label));
    ui::PumpFor(300);
    chooser.join();
    EXPECT_EQ(answerer.Finish().size(), 1u);
    EXPECT_FALSE(Modified());
}
}   // namespace
