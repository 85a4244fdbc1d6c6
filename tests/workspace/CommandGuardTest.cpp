// Guards the chromatogram and group commands share, one table each: a name left empty in the
// details dialog, and the Delete key in either list.
#include "DialogAnswerer.h"
#include "ListViewInput.h"
#include "Pump.h"
#include "WorkspaceFixture.h"
#include "resource.h"

namespace {
using Texts = std::vector<std::string>;

class CommandGuardTest : public WorkspaceFixture {
protected:
    // Groups G0 (chromatograms A, B, C) and G1 (none); G0 and its chromatogram A selected.
    void TwoGroups()
    {
        Manager().DeleteListContent();
        m_group = AddGroup("G0");
        for (const char* name : {"A", "B", "C"})
            AddChro(m_group, name);
        AddGroup("G1");
        ShowList(0);
        View().ChroList().SelectItem(0);
    }

    DWORD m_group = 0;
};

struct EmptyNameCase {
    UINT command;
    const char* dialog;
    int nameId;
    const char* refusal;
    bool chromatogram;   // the focus goes back to the chromatogram list, else the group list
};

TEST_F(CommandGuardTest, AnEmptyNameAddsNothingAndKeepsTheTitle)
{
    const EmptyNameCase cases[] = {
        {ID_CHRO_ADD, "Add chromatogram", IDC_CHRO_NAME, "Chromatogram name is empty", true},
        {ID_GROUP_ADD, "Add Group", IDC_GROUP_NAME, "Group name is empty", false},
        {ID_GROUP_DUPLICATE, "Duplicate group", IDC_GROUP_NAME, "Group name is empty", false},
    };
    for (const EmptyNameCase& c : cases) {
        TwoGroups();
        ui::DialogAnswerer answerer;
        answerer.Expect(c.dialog, IDOK, [&c](HWND dialog) { SetDlgItemTextA(dialog, c.nameId, ""); })
            .Expect("Vantrace", IDOK);
        const auto seen = Run(c.command, answerer);
        ASSERT_EQ(seen.size(), 2u) << c.dialog;
        EXPECT_EQ(seen[1].text, c.refusal);
        EXPECT_EQ(ManagerGroupNames(), (Texts{"G0", "G1"})) << c.dialog;
        EXPECT_EQ(Names(GroupList()), (Texts{"G0", "G1"})) << c.dialog;
        EXPECT_EQ(ManagerChroNames(m_group), (Texts{"A", "B", "C"})) << c.dialog;
        EXPECT_EQ(Names(ChroList()), (Texts{"A", "B", "C"})) << c.dialog;
        EXPECT_FALSE(Modified()) << c.dialog;
        EXPECT_EQ(Title(), "Vantrace - Default.vtl") << c.dialog;
        EXPECT_EQ(GetFocus(), c.chromatogram ? ChroList() : GroupList()) << c.dialog;
    }
}

TEST_F(CommandGuardTest, DeleteKeyInEitherListAsksAsTheCommandDoes)
{
    for (const bool chromatogram : {true, false}) {
        TwoGroups();
        ui::DialogAnswerer answerer;
        answerer.Expect("Deletion", IDYES);
        answerer.Start();
        ui::PressKey(chromatogram ? ChroList() : GroupList(), VK_DELETE);
        ui::PumpPending();
        ASSERT_EQ(answerer.Finish().size(), 1u) << chromatogram;
        if (chromatogram) {
            EXPECT_EQ(Names(ChroList()), (Texts{"B", "C"}));
            EXPECT_EQ(ManagerGroupNames(), (Texts{"G0", "G1"}));
        } else {
            EXPECT_EQ(ManagerGroupNames(), (Texts{"G1"}));
        }
    }
}
}   // namespace
