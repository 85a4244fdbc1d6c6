// Undo and Redo on a real workspace, where the walk cannot see: the Edit menu's texts and
// gray states, the keys, a refused step, moving groups at the ends, and actions that change
// nothing. The walk (tests/walk) retraces every kind of edit and checks the modified mark.
#include "DialogAnswerer.h"
#include "ListViewInput.h"
#include "Pump.h"
#include "WorkspaceFixture.h"
#include "ListMessages.h"
#include "resource.h"

#include <commctrl.h>

#include <functional>
#include <initializer_list>

namespace {
const int kEditMenu = 1;   // File, Edit, View, Help

class UndoTest : public WorkspaceFixture {
protected:
    // Groups "G0" and "G1" with chromatograms "a", "b", "c" each; G0 and its row 1 shown.
    void TwoGroups()
    {
        for (const char* group : {"G0", "G1"}) {
            const DWORD id = AddGroup(group);
            for (const char* chro : {"a", "b", "c"})
                AddChro(id, chro);
        }
        ShowList(0);
        View().ChroList().SelectItem(1);
    }
    // All a user and a saved file could tell of the list: every record with its id, both
    // lists' rows and marks, both selections and the title.
    std::string State()
    {
        std::string text;
        DWORD group = 0;
        CGroupDataHelper rec;
        for (int g = 0; Manager().GetGroupOrder(g, group); ++g) {
            Manager().GetGroup(rec, group);
            text += "G" + std::to_string(group) + rec.m_strName + "/" + rec.m_strComment + "/"
                    + std::to_string(rec.m_bChecked) + "[";
            DWORD chro = 0;
            CChromatogramData c;
            for (int p = 0; Manager().GetChroOrder(group, p, chro); ++p) {
                Manager().GetChromatogram(group, chro, c);
                text +=
                    std::to_string(chro) + c.m_strName + "/" + c.m_strDescription + std::to_string(c.m_bChecked) + " ";
            }
            text += "]\n";
        }
        for (HWND list : {GroupList(), ChroList()}) {
            for (int row = 0; row < ListView_GetItemCount(list); ++row)
                text += ListView_GetCheckState(list, row) ? "+" : "-";
            text += " " + std::to_string(SelectedRow(list)) + "\n";
        }
        for (const std::string& name : Names(GroupList()))
            text += name + ",";
        for (const std::string& name : Names(ChroList()))
            text += name + ";";
        return text + "\n" + Title();
    }
    // The Edit menu's item as the menu shows it when opened: its text and whether it is grayed.
    std::string EditItem(UINT id)
    {
        HMENU edit = GetSubMenu(GetMenu(m_frame.m_hWnd), kEditMenu);
        m_frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), kEditMenu);
        char text[128] = {};
        GetMenuStringA(edit, id, text, sizeof text, MF_BYCOMMAND);
        const bool grayed = (GetMenuState(edit, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
        return std::string(text) + (grayed ? " (grayed)" : "");
    }
    void Answered(UINT id, const char* caption, int button, const char* name = nullptr, int nameId = 0)
    {
        ui::DialogAnswerer answerer;
        answerer.Expect(caption, button, [name, nameId](HWND dialog) {
            if (name)
                SetDlgItemTextA(dialog, nameId, name);
        });
        ASSERT_EQ(Run(id, answerer).size(), 1u) << caption;
    }
};

TEST_F(UndoTest, EditMenuNamesTheStepsAndTheKeysReachThem)
{
    TwoGroups();
    EXPECT_EQ(EditItem(ID_EDIT_UNDO), "&Undo\tCtrl+Z (grayed)");
    EXPECT_EQ(EditItem(ID_EDIT_REDO), "&Redo\tCtrl+Y (grayed)");
    const std::string before = State();
    Answered(ID_GROUP_DELETE, "Deletion", IDYES);
    const std::string after = State();
    Command(ID_CHRO_MOVE_DOWN);
    EXPECT_EQ(EditItem(ID_EDIT_UNDO), "&Undo Move Down\tCtrl+Z");
    ui::PressKey(ChroList(), 'Z', {VK_CONTROL});
    EXPECT_EQ(State(), after);
    EXPECT_EQ(EditItem(ID_EDIT_UNDO), "&Undo Delete Group\tCtrl+Z");
    EXPECT_EQ(EditItem(ID_EDIT_REDO), "&Redo Move Down\tCtrl+Y");
    ui::PressKey(GroupList(), 'Z', {VK_CONTROL});
    EXPECT_EQ(State(), before);
    EXPECT_EQ(EditItem(ID_EDIT_REDO), "&Redo Delete Group\tCtrl+Y");
    ui::PressKey(GroupList(), 'Y', {VK_CONTROL});
    EXPECT_EQ(State(), after);
    ui::PressKey(ChroList(), 'Z', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(EditItem(ID_EDIT_REDO), "&Redo\tCtrl+Y (grayed)");
    EXPECT_TRUE(Modified());
    // New forgets every step.
    Answered(ID_FILE_NEW, "Save File", IDNO);
    EXPECT_EQ(EditItem(ID_EDIT_UNDO), "&Undo\tCtrl+Z (grayed)");
}

// A step whose records the list manager no longer holds is refused: nothing changes and it
// stays the step to undo.
TEST_F(UndoTest, RefusedUndoChangesNothing)
{
    TwoGroups();
    Answered(ID_GROUP_ADD, "Add Group", IDOK, "G2", IDC_GROUP_NAME);
    DWORD added = 0;
    ASSERT_TRUE(Manager().GetGroupOrder(2, added));
    ASSERT_TRUE(Manager().RemoveGroup(added));
    ShowList(0);
    const std::string state = State();
    EXPECT_FALSE(View().Document().Undo());
    EXPECT_EQ(State(), state);
    EXPECT_EQ(EditItem(ID_EDIT_UNDO), "&Undo Add Group\tCtrl+Z");
}

TEST_F(UndoTest, MoveGroupKeepsTheGroupSelectedAndDoesNothingAtTheEnds)
{
    TwoGroups();
    EXPECT_EQ(EditItem(ID_GROUP_MOVE_UP), "Move &Group Up\tShift+Up (grayed)");
    ui::PressKey(GroupList(), VK_UP, {VK_SHIFT});
    EXPECT_EQ(Names(GroupList()), (std::vector<std::string>{"G0", "G1"}));
    EXPECT_FALSE(Modified());
    EXPECT_EQ(EditItem(ID_GROUP_MOVE_DOWN), "Move Group Do&wn\tShift+Down");
    ui::PressKey(GroupList(), VK_DOWN, {VK_SHIFT});
    EXPECT_EQ(Names(GroupList()), (std::vector<std::string>{"G1", "G0"}));
    EXPECT_EQ(SelectedRow(GroupList()), 1);
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(EditItem(ID_GROUP_MOVE_DOWN), "Move Group Do&wn\tShift+Down (grayed)");
    EXPECT_TRUE(Modified());
    const std::string moved = State();
    Command(ID_GROUP_MOVE_DOWN);
    EXPECT_EQ(State(), moved);
    EXPECT_EQ(EditItem(ID_EDIT_UNDO), "&Undo Move Group Down\tCtrl+Z");

    // The row the options keep follows the moved group, through Undo and Redo too.
    for (auto [command, row] : {std::pair{0u, 1}, {unsigned(ID_EDIT_UNDO), 0}, {unsigned(ID_EDIT_REDO), 1}}) {
        if (command)
            Command(command);
        EXPECT_EQ(TestApp().GetOptions()->GetGroup(nullptr), row) << command;
    }
}

// Edits drawn row by row leave both lists as building them again would: rows, marks,
// selection and focus, through a run inserted in the middle of the shown group and taken
// out again, swaps, edits and checks, done, undone and redone.
TEST_F(UndoTest, RowByRowEditsLeaveTheListsAsARebuildWould)
{
    TwoGroups();
    auto asRebuilt = [&](const char* after) {
        const std::string shown = State();
        const int group = SelectedRow(GroupList());
        const int chro = SelectedRow(ChroList());
        EXPECT_EQ(FocusedRow(GroupList()), group) << after;
        EXPECT_EQ(FocusedRow(ChroList()), chro) << after;
        View().RefreshGroupList(group);
        View().RefreshChromatogramList(chro);
        EXPECT_EQ(State(), shown) << after;
    };
    DWORD g0 = 0, g1 = 0, a = 0;
    ASSERT_TRUE(Manager().GetGroupOrder(0, g0) && Manager().GetGroupOrder(1, g1) && Manager().GetChroOrder(g0, 0, a));
    CEditStep paste(IDS_STEP_PASTE);
    CEditStep::SChroChange run;
    run.group = g0;
    run.pos = 1;
    for (const char* name : {"x", "y"}) {
        run.chros.emplace_back();
        run.chros.back().rec.m_strName = name;
    }
    paste.Add(std::move(run));
    paste.m_after = SListSelection{g0, 2};
    ASSERT_TRUE(View().Document().ApplyEdit(std::move(paste)));
    asRebuilt("paste");
    Command(ID_CHRO_MOVE_DOWN);
    asRebuilt("move down");
    CEditStep marks(IDS_STEP_CHECK_GROUP);
    marks.Add(CEditStep::SGroupCheck{g1, false, true});
    CEditStep::SChroEdit edit{g0, a, {}, {}};
    ASSERT_TRUE(Manager().GetChromatogram(g0, a, edit.before));
    edit.after = edit.before;
    edit.after.m_strName = "a2";
    edit.after.m_bChecked = !edit.before.m_bChecked;
    marks.Add(std::move(edit));
    marks.m_after = SListSelection{g0, -1};
    ASSERT_TRUE(View().Document().ApplyEdit(std::move(marks)));
    asRebuilt("checks");
    Command(ID_GROUP_MOVE_DOWN);
    asRebuilt("move group");
    for (int step = 0; step < 4; ++step) {
        ASSERT_TRUE(View().Document().Undo());
        asRebuilt("undo");
    }
    for (int step = 0; step < 4; ++step) {
        ASSERT_TRUE(View().Document().Redo());
        asRebuilt("redo");
    }
}

// What changes no record is no edit: no step and no mark.
TEST_F(UndoTest, ActionsThatChangeNothingLeaveNoStepAndNoMark)
{
    AddGroup("G0");
    ShowList(0);
    ui::PressKey(ChroList(), VK_SPACE);   // an empty chromatogram list
    ListView_SetItemState(GroupList(), -1, 0, LVIS_SELECTED);
    ui::DialogAnswerer none;
    none.Expect("Edit group details", IDOK);
    EXPECT_TRUE(Run(ID_GROUP_EDIT, none, 1000).empty());   // with no group, no dialog
    View().GroupList().SelectItem(0);
    Answered(ID_GROUP_EDIT, "Edit group details", IDOK);   // OK with nothing changed
    EXPECT_FALSE(Modified());
    EXPECT_EQ(EditItem(ID_EDIT_UNDO), "&Undo\tCtrl+Z (grayed)");
}
}   // namespace
