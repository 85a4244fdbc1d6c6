// Group commands on a real workspace: the real Group Details dialog and the real message
// boxes are answered through their controls.
#include "DialogAnswerer.h"
#include "DialogDriver.h"
#include "ListViewInput.h"
#include "PopupMenuReader.h"
#include "Pump.h"
#include "WorkspaceFixture.h"
#include "ListMessages.h"
#include "resource.h"

#include <commctrl.h>

namespace {
bool RowChecked(HWND list, int row)
{
    return ListView_GetCheckState(list, row) != 0;
}

class GroupCommandsTest : public WorkspaceFixture {
protected:
    // Groups "G0".."Gn-1"; group i holds chromatograms "Gi.0".."Gi.i"; row `selected` shown.
    void Groups(int count, int selected, int checkedGroup = -1)
    {
        m_groups.clear();
        for (int i = 0; i < count; ++i) {
            const std::string name = std::string("G").append(std::to_string(i));
            m_groups.push_back(AddGroup(name, i == checkedGroup));
            for (int c = 0; c <= i; ++c)
                AddChro(m_groups.back(), std::string(name).append(".").append(std::to_string(c)));
        }
        ShowList(selected);
    }
    CGroupDataHelper Group(DWORD id)
    {
        CGroupDataHelper record;
        EXPECT_TRUE(Manager().GetGroup(record, id));
        return record;
    }

    std::vector<DWORD> m_groups;
};

TEST_F(GroupCommandsTest, AddAppendsTheGroupSelectedUncheckedWithNoChromatograms)
{
    Groups(2, 0);
    ui::DialogAnswerer answerer;
    answerer.Expect("Add Group", IDOK, [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_GROUP_NAME, "New");
        SetDlgItemTextA(dialog, IDC_GROUP_COMMENT, "fresh");
    });
    ASSERT_EQ(Run(ID_GROUP_ADD, answerer).size(), 1u);
    EXPECT_EQ(Names(GroupList()), (std::vector<std::string>{"G0", "G1", "New"}));
    EXPECT_EQ(ManagerGroupNames(), (std::vector<std::string>{"G0", "G1", "New"}));
    EXPECT_EQ(SelectedRow(GroupList()), 2);
    EXPECT_EQ(ListView_GetSelectedCount(GroupList()), 1u);
    EXPECT_FALSE(RowChecked(GroupList(), 2));
    char comment[64] = {};
    ListView_GetItemText(GroupList(), 2, 1, comment, sizeof comment);
    EXPECT_STREQ(comment, "fresh");
    EXPECT_TRUE(Names(ChroList()).empty());
    EXPECT_EQ(Title(), "Vantrace - Default.vtl *");
}

TEST_F(GroupCommandsTest, EditKeepsTheRowAndTheChromatogramsAndAcceptsAnEmptyName)
{
    Groups(3, 1);
    std::string shownName;
    ui::DialogAnswerer answerer;
    answerer.Expect("Edit group details", IDOK, [&shownName](HWND dialog) {
        shownName = drive::Text(dialog, IDC_GROUP_NAME);
        SetDlgItemTextA(dialog, IDC_GROUP_NAME, "");
    });
    ASSERT_EQ(Run(ID_GROUP_EDIT, answerer).size(), 1u);
    EXPECT_EQ(shownName, "G1");
    EXPECT_EQ(ManagerGroupNames(), (std::vector<std::string>{"G0", "", "G2"}));
    EXPECT_EQ(Names(GroupList()), (std::vector<std::string>{"G0", "", "G2"}));
    EXPECT_EQ(SelectedRow(GroupList()), 1);
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"G1.0", "G1.1"}));
    EXPECT_TRUE(Modified());
}

// The copy of the checked group comes unchecked: one group at most carries the check.
TEST_F(GroupCommandsTest, DuplicateAppendsAnUncheckedCopyWithTheSourcesChromatograms)
{
    Groups(3, 1, 1);
    std::string basedOn;
    ui::DialogAnswerer answerer;
    answerer.Expect("Duplicate group", IDOK, [&basedOn](HWND dialog) {
        basedOn = drive::Text(dialog, IDC_GROUP_BASED_ON);
        SetDlgItemTextA(dialog, IDC_GROUP_NAME, "Copy");
    });
    ASSERT_EQ(Run(ID_GROUP_DUPLICATE, answerer).size(), 1u);
    EXPECT_EQ(basedOn, "G1");
    EXPECT_EQ(Names(GroupList()), (std::vector<std::string>{"G0", "G1", "G2", "Copy"}));
    EXPECT_EQ(SelectedRow(GroupList()), 3);
    EXPECT_FALSE(RowChecked(GroupList(), 3));
    EXPECT_TRUE(RowChecked(GroupList(), 1));
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"G1.0", "G1.1"}));
    DWORD copyId = 0;
    ASSERT_TRUE(Manager().GetGroupOrder(3, copyId));
    EXPECT_EQ(static_cast<DWORD>(ListView_GetItemCount(ChroList())), 2u);
    EXPECT_EQ(ManagerChroNames(copyId), (std::vector<std::string>{"G1.0", "G1.1"}));
    EXPECT_EQ(Group(copyId).m_strBasedOn, "G1");
    EXPECT_FALSE(Group(copyId).m_bChecked);
    EXPECT_TRUE(Modified());
}

TEST_F(GroupCommandsTest, DuplicateWithoutASourceAddsNoPhantomRow)
{
    Groups(2, 0);
    ListView_SetItemState(GroupList(), -1, 0, LVIS_SELECTED);
    std::string shownName = "?";
    ui::DialogAnswerer answerer;
    answerer.Expect("Duplicate group", IDOK, [&shownName](HWND dialog) {
        shownName = drive::Text(dialog, IDC_GROUP_NAME);
        SetDlgItemTextA(dialog, IDC_GROUP_NAME, "Orphan");
    });
    ASSERT_EQ(Run(ID_GROUP_DUPLICATE, answerer).size(), 1u);
    EXPECT_EQ(shownName, "");
    EXPECT_EQ(Names(GroupList()), (std::vector<std::string>{"G0", "G1"}));
    EXPECT_EQ(ManagerGroupNames(), (std::vector<std::string>{"G0", "G1"}));
    EXPECT_FALSE(Modified());
}

TEST_F(GroupCommandsTest, DeleteOfTheLastSelectsTheNewLastAndShowsItsChromatograms)
{
    Groups(3, 2);
    ui::DialogAnswerer answerer;
    answerer.Expect("Deletion", IDYES);
    const auto seen = Run(ID_GROUP_DELETE, answerer);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Are you sure you want to delete the selected group and the chromatograms it contains?");
    EXPECT_EQ(ManagerGroupNames(), (std::vector<std::string>{"G0", "G1"}));
    EXPECT_EQ(Names(GroupList()), (std::vector<std::string>{"G0", "G1"}));
    EXPECT_EQ(SelectedRow(GroupList()), 1);
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"G1.0", "G1.1"}));
    EXPECT_TRUE(Modified());
}

TEST_F(GroupCommandsTest, DeleteOfTheOnlyGroupEmptiesBothLists)
{
    Groups(1, 0);
    ui::DialogAnswerer answerer;
    answerer.Expect("Deletion", IDYES);
    ASSERT_EQ(Run(ID_GROUP_DELETE, answerer).size(), 1u);
    EXPECT_TRUE(Names(GroupList()).empty());
    EXPECT_TRUE(Names(ChroList()).empty());
    EXPECT_TRUE(ManagerGroupNames().empty());
}

TEST_F(GroupCommandsTest, DeleteAnsweredNoOrRefusedChangesNothing)
{
    // An empty list disables the command; the Delete key still reaches it.
    ui::DialogAnswerer empty;
    empty.Expect("Vantrace", IDOK).Expect("Deletion", IDNO);
    empty.Start(1000);
    Post(s_wm_GROUP_DELETEKEY);
    ui::PumpFor(1500);
    auto seen = empty.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "No groups in list to remove");

    Groups(2, 1);
    ui::DialogAnswerer no;
    no.Expect("Deletion", IDNO);
    ASSERT_EQ(Run(ID_GROUP_DELETE, no).size(), 1u);
    EXPECT_EQ(ManagerGroupNames(), (std::vector<std::string>{"G0", "G1"}));
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"G1.0", "G1.1"}));

    ListView_SetItemState(GroupList(), -1, 0, LVIS_SELECTED);
    ui::DialogAnswerer unselected;
    unselected.Expect("Vantrace", IDOK).Expect("Deletion", IDNO);
    seen = Run(ID_GROUP_DELETE, unselected, 1500);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Please select a group");
    EXPECT_FALSE(Modified());
}

// A press on a check box and a right-click select their row inside the list view; the
// chromatogram list follows and the Group option is stored.
TEST_F(GroupCommandsTest, CheckingAGroupStoresTheMoveOfTheCheck)
{
    Groups(3, 0, 0);
    View().GroupList().EnableChecks(true);
    ui::Click(GroupList(), ui::RowPartPoint(GroupList(), 2, ui::RowPart::CheckBox));
    ui::PumpPending();
    EXPECT_FALSE(Group(m_groups[0]).m_bChecked);
    EXPECT_TRUE(Group(m_groups[2]).m_bChecked);
    EXPECT_EQ(Title(), "Vantrace - Default.vtl *");
    EXPECT_EQ(Names(ChroList()), ManagerChroNames(m_groups[2]));

    PopupMenuReader menu;
    menu.Start();
    ui::RightClick(GroupList(), ui::RowPartPoint(GroupList(), 1, ui::RowPart::Label));
    ui::PumpPending();
    EXPECT_TRUE(menu.Finish());
    ui::PumpPending();
    EXPECT_EQ(Names(ChroList()), ManagerChroNames(m_groups[1]));
    int stored = -1;
    TestApp().GetOptions()->GetGroup(&stored);
    EXPECT_EQ(stored, 1);
}
}   // namespace
