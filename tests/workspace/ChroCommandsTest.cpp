// Chromatogram commands on a real workspace: the real Chromatogram Details dialog and the
// real message boxes are answered through their controls.
#include "DialogAnswerer.h"
#include "DialogDriver.h"
#include "ListViewInput.h"
#include "Pump.h"
#include "WorkspaceFixture.h"
#include "ListMessages.h"
#include "resource.h"
#include "CAppOptions.h"

#include <commctrl.h>

namespace {
const std::vector<std::string> kABC{"A", "B", "C"};

// Types a name into the open Chromatogram Details dialog.
ui::DialogAnswerer::Action TypeName(const std::string& name)
{
    return [name](HWND dialog) { SetDlgItemTextA(dialog, IDC_CHRO_NAME, name.c_str()); };
}

class ChroCommandsTest : public WorkspaceFixture {
protected:
    // One group "G" holding A, B and C, shown with row `selected` of the chromatograms selected.
    void ThreeChromatograms(int selected)
    {
        m_group = AddGroup("G");
        for (const std::string& name : kABC)
            AddChro(m_group, name);
        ShowList(0);
        View().ChroList().SelectItem(selected);
    }

    DWORD m_group = 0;
};

TEST_F(ChroCommandsTest, AddWithoutGroupsOnlyAsksForAGroup)
{
    ui::DialogAnswerer answerer;
    answerer.Expect("Vantrace", IDOK).Expect("Add chromatogram", IDCANCEL);
    const auto seen = Run(ID_CHRO_ADD, answerer, 1500);
    ASSERT_EQ(seen.size(), 1u);   // the dialog never opened
    EXPECT_EQ(seen[0].text, "Please add a group before adding a chromatogram");
    EXPECT_FALSE(Modified());
}

TEST_F(ChroCommandsTest, AddWithNoGroupRowSelectedAsksForAGroup)
{
    AddGroup("G");
    ShowList(0);
    ListView_SetItemState(GroupList(), -1, 0, LVIS_SELECTED);
    ui::DialogAnswerer answerer;
    answerer.Expect("Vantrace", IDOK).Expect("Add chromatogram", IDCANCEL);
    const auto seen = Run(ID_CHRO_ADD, answerer, 1500);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Please select a group");
}

TEST_F(ChroCommandsTest, AddAppendsTheNewRowSelectedAndFocused)
{
    ThreeChromatograms(0);
    ui::DialogAnswerer answerer;
    answerer.Expect("Add chromatogram", IDOK, TypeName("D"));
    ASSERT_EQ(Run(ID_CHRO_ADD, answerer).size(), 1u);
    const std::vector<std::string> expected{"A", "B", "C", "D"};
    EXPECT_EQ(Names(ChroList()), expected);
    EXPECT_EQ(ManagerChroNames(m_group), expected);
    EXPECT_EQ(SelectedRow(ChroList()), 3);
    EXPECT_EQ(FocusedRow(ChroList()), 3);
    EXPECT_EQ(ListView_GetSelectedCount(ChroList()), 1u);
    EXPECT_EQ(Title(), "Vantrace - Default.vtl *");
}

TEST_F(ChroCommandsTest, AddCancelledChangesNothing)
{
    ThreeChromatograms(1);
    ui::DialogAnswerer answerer;
    answerer.Expect("Add chromatogram", IDCANCEL, TypeName("D"));
    ASSERT_EQ(Run(ID_CHRO_ADD, answerer).size(), 1u);
    EXPECT_EQ(Names(ChroList()), kABC);
    EXPECT_FALSE(Modified());
}

TEST_F(ChroCommandsTest, DuplicateShowsTheSourceAsBasedOnAndAppendsTheCopyEvenUnnamed)
{
    ThreeChromatograms(1);
    std::string basedOn;
    ui::DialogAnswerer answerer;
    answerer.Expect("Duplicate chromatogram", IDOK, [&basedOn](HWND dialog) {
        basedOn = drive::Text(dialog, IDC_CHRO_BASED_ON);
        SetDlgItemTextA(dialog, IDC_CHRO_NAME, "");
    });
    ASSERT_EQ(Run(ID_CHRO_DUPLICATE, answerer).size(), 1u);
    EXPECT_EQ(basedOn, "B");
    const std::vector<std::string> expected{"A", "B", "C", ""};
    EXPECT_EQ(Names(ChroList()), expected);
    EXPECT_EQ(ManagerChroNames(m_group), expected);
    EXPECT_EQ(SelectedRow(ChroList()), 3);
    EXPECT_TRUE(Modified());
}

TEST_F(ChroCommandsTest, DuplicateWithNothingSelectedReportsFailure)
{
    ThreeChromatograms(0);
    ListView_SetItemState(ChroList(), -1, 0, LVIS_SELECTED);
    ui::DialogAnswerer answerer;
    answerer.Expect("Vantrace", IDOK).Expect("Duplicate chromatogram", IDCANCEL);
    const auto seen = Run(ID_CHRO_DUPLICATE, answerer, 1500);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Unable to duplicate chromatogram");
    EXPECT_EQ(Names(ChroList()), kABC);
}

TEST_F(ChroCommandsTest, EditRenamesInPlaceAndKeepsTheRowSelected)
{
    ThreeChromatograms(1);
    std::string shownName;
    ui::DialogAnswerer answerer;
    answerer.Expect("Edit chromatogram details", IDOK, [&shownName](HWND dialog) {
        shownName = drive::Text(dialog, IDC_CHRO_NAME);
        SetDlgItemTextA(dialog, IDC_CHRO_NAME, "B2");
    });
    ASSERT_EQ(Run(ID_CHRO_EDIT, answerer).size(), 1u);
    EXPECT_EQ(shownName, "B");
    const std::vector<std::string> expected{"A", "B2", "C"};
    EXPECT_EQ(Names(ChroList()), expected);
    EXPECT_EQ(ManagerChroNames(m_group), expected);
    EXPECT_EQ(SelectedRow(ChroList()), 1);
    EXPECT_TRUE(Modified());
}

TEST_F(ChroCommandsTest, EditWithNothingSelectedDoesNothing)
{
    ThreeChromatograms(0);
    ListView_SetItemState(ChroList(), -1, 0, LVIS_SELECTED);
    ui::DialogAnswerer answerer;
    answerer.Expect("Edit chromatogram details", IDCANCEL);
    EXPECT_TRUE(Run(ID_CHRO_EDIT, answerer, 1000).empty());
    EXPECT_FALSE(Modified());
}

// Deleting row `row` of A, B, C (answered Yes) leaves `left` and selects `selected`.
struct DeleteCase {
    int row;
    std::vector<std::string> left;
    int selected;
};

TEST_F(ChroCommandsTest, DeleteSelectsTheRowThatTakesThePlaceOrTheNewLast)
{
    for (const DeleteCase& c : {DeleteCase{2, {"A", "B"}, 1}, DeleteCase{1, {"A", "C"}, 1}}) {
        Manager().DeleteListContent();
        ThreeChromatograms(c.row);
        ui::DialogAnswerer answerer;
        answerer.Expect("Deletion", IDYES);
        const auto seen = Run(ID_CHRO_DELETE, answerer);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, "Are you sure you want to delete the chromatogram?");
        EXPECT_EQ(seen[0].iconStyle, 0u);
        EXPECT_EQ(Names(ChroList()), c.left) << "row " << c.row;
        EXPECT_EQ(ManagerChroNames(m_group), c.left);
        EXPECT_EQ(SelectedRow(ChroList()), c.selected) << "row " << c.row;
        EXPECT_EQ(FocusedRow(ChroList()), c.selected) << "row " << c.row;
        EXPECT_TRUE(Modified());
    }
}

TEST_F(ChroCommandsTest, DeleteOfTheOnlyRowLeavesNothingSelected)
{
    m_group = AddGroup("G");
    AddChro(m_group, "A");
    ShowList(0);
    ui::DialogAnswerer answerer;
    answerer.Expect("Deletion", IDYES);
    ASSERT_EQ(Run(ID_CHRO_DELETE, answerer).size(), 1u);
    EXPECT_TRUE(Names(ChroList()).empty());
    EXPECT_TRUE(ManagerChroNames(m_group).empty());
    EXPECT_EQ(SelectedRow(ChroList()), -1);
}

TEST_F(ChroCommandsTest, DeleteAnsweredNoKeepsEverythingAndFocusesTheList)
{
    ThreeChromatograms(1);
    View().GroupList().SetFocus();
    ui::DialogAnswerer answerer;
    answerer.Expect("Deletion", IDNO);
    ASSERT_EQ(Run(ID_CHRO_DELETE, answerer).size(), 1u);
    EXPECT_EQ(Names(ChroList()), kABC);
    EXPECT_EQ(ManagerChroNames(m_group), kABC);
    EXPECT_FALSE(Modified());
    EXPECT_EQ(GetFocus(), ChroList());
}

// Through the Delete key, which reaches the command even when the list is empty (the
// menu and toolbar command is disabled then).
TEST_F(ChroCommandsTest, DeleteRefusalsNameWhatIsMissing)
{
    auto refusal = [this] {
        ui::DialogAnswerer answerer;
        answerer.Expect("Vantrace", IDOK).Expect("Deletion", IDNO);
        answerer.Start(1000);
        Post(s_wm_CHRO_DELETEKEY);
        ui::PumpFor(1500);
        const auto seen = answerer.Finish();
        return seen.size() == 1 ? seen[0].text : std::to_string(seen.size()).append(" windows");
    };
    EXPECT_EQ(refusal(), "No chromatograms to remove");
    m_group = AddGroup("G");
    ShowList(0);
    EXPECT_EQ(refusal(), "No chromatograms to delete");
    AddChro(m_group, "A");
    ShowList(0);
    ListView_SetItemState(ChroList(), -1, 0, LVIS_SELECTED);
    EXPECT_EQ(refusal(), "Please select a chromatogram");
    ListView_SetItemState(GroupList(), -1, 0, LVIS_SELECTED);
    EXPECT_EQ(refusal(), "Please select a group");
    EXPECT_FALSE(Modified());
}

TEST_F(ChroCommandsTest, MovesSwapWithTheNeighbourAndFollowTheMovedRow)
{
    ThreeChromatograms(1);
    Command(ID_CHRO_MOVE_UP);
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(ManagerChroNames(m_group), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(SelectedRow(ChroList()), 0);
    EXPECT_EQ(FocusedRow(ChroList()), 0);
    EXPECT_EQ(Title(), "Vantrace - Default.vtl *");
    Command(ID_CHRO_MOVE_DOWN);
    Command(ID_CHRO_MOVE_DOWN);
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(SelectedRow(ChroList()), 2);
}

TEST_F(ChroCommandsTest, MovesPastTheEndsOrWithoutSelectionChangeNothing)
{
    ThreeChromatograms(0);
    Command(ID_CHRO_MOVE_UP);
    View().ChroList().SelectItem(2);
    Command(ID_CHRO_MOVE_DOWN);
    ListView_SetItemState(ChroList(), -1, 0, LVIS_SELECTED);
    Command(ID_CHRO_MOVE_UP);
    Command(ID_CHRO_MOVE_DOWN);
    EXPECT_EQ(Names(ChroList()), kABC);
    EXPECT_EQ(ManagerChroNames(m_group), kABC);
    EXPECT_FALSE(Modified());
    EXPECT_EQ(Title(), "Vantrace - Default.vtl");
}

TEST_F(ChroCommandsTest, TogglingACheckBoxStoresItAndTheSelection)
{
    ThreeChromatograms(0);
    ui::Click(ChroList(), ui::RowPartPoint(ChroList(), 2, ui::RowPart::CheckBox));
    ui::PumpPending();
    CChromatogramData record;
    DWORD chroId = 0;
    ASSERT_TRUE(Manager().GetChroOrder(m_group, 2, chroId));
    ASSERT_TRUE(Manager().GetChromatogram(m_group, chroId, record));
    EXPECT_FALSE(record.m_bChecked);
    EXPECT_EQ(SelectedRow(ChroList()), 2);
    EXPECT_EQ(TestApp().GetOptions()->GetChromatogram(nullptr), 2);
    int stored = -1;
    Manager().GetChroSelection(m_group, stored);
    EXPECT_EQ(stored, 2);
    EXPECT_EQ(Title(), "Vantrace - Default.vtl *");
}

TEST_F(ChroCommandsTest, SelectionSyncAloneLeavesTheListUnmodified)
{
    ThreeChromatograms(0);
    ui::Click(ChroList(), ui::RowPartPoint(ChroList(), 1, ui::RowPart::Label));
    ui::PumpPending();
    int stored = -1;
    Manager().GetChroSelection(m_group, stored);
    EXPECT_EQ(stored, 1);
    EXPECT_EQ(TestApp().GetOptions()->GetChromatogram(nullptr), 1);
    EXPECT_FALSE(Modified());
}

// Shift+Up and Shift+Down, held as the keyboard state says, reach the list as key messages.
void PressWithShift(HWND list, UINT key)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE shifted[256];
    std::copy(std::begin(keys), std::end(keys), shifted);
    shifted[VK_SHIFT] = 0x80;
    SetKeyboardState(shifted);
    ui::PressKey(list, key);
    SetKeyboardState(keys);
}

TEST_F(ChroCommandsTest, ShiftUpAndShiftDownMoveTheSelectedChromatogram)
{
    ThreeChromatograms(2);
    PressWithShift(ChroList(), VK_UP);
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(SelectedRow(ChroList()), 1);   // the list did not move the selection again
    PressWithShift(ChroList(), VK_UP);
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"C", "A", "B"}));
    EXPECT_EQ(SelectedRow(ChroList()), 0);
    PressWithShift(ChroList(), VK_DOWN);
    EXPECT_EQ(ManagerChroNames(m_group), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(SelectedRow(ChroList()), 1);
    EXPECT_TRUE(Modified());
}

TEST_F(ChroCommandsTest, PlainUpOnlyMovesTheSelection)
{
    ThreeChromatograms(2);
    ui::PressKey(ChroList(), VK_UP);
    EXPECT_EQ(Names(ChroList()), kABC);
    EXPECT_EQ(SelectedRow(ChroList()), 1);
    EXPECT_FALSE(Modified());
}
}   // namespace
