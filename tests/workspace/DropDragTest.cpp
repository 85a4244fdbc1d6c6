// Files dropped on the workspace as the shell drops them, and rows dragged with the mouse.
#include "WorkspaceFixture.h"
#include "FileBytes.h"
#include "ListViewInput.h"
#include "Pump.h"
#include "TempFolder.h"

#include "FrameworkIds.h"

#include <shlobj.h>

#include <cstring>

namespace {
using Rows = std::vector<std::string>;

class DropDragTest : public WorkspaceFixture {
protected:
    // Posts the workspace a drop as the shell builds it (a DROPFILES header, then each path
    // with its NUL and one NUL more) and handles it while answer answers what it opens.
    std::vector<ui::SeenDialog> Drop(const Rows& paths, ui::DialogAnswerer& answer)
    {
        std::string names;
        for (const std::string& path : paths)
            names += path + '\0';
        HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() + 1);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        std::memcpy(drop + 1, names.data(), names.size());
        GlobalUnlock(memory);
        answer.Start();
        View().PostMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
        ui::PumpPending();
        return answer.Finish();
    }
    size_t Steps() { return View().Document().History().UndoCount(); }

    TempFolder m_folder;
};
}   // namespace

TEST_F(DropDragTest, ADroppedListOpensAfterTheSavePromptAndAnUnknownFileChangesNothing)
{
    AddGroup("Saved");
    const std::string path = m_folder.Path("dropped.vtl");
    ASSERT_TRUE(Manager().Save(path.c_str()));
    AddGroup("Unsaved");
    ShowList();
    View().UpdateTitle(true);
    ui::DialogAnswerer refuse;
    const auto refused = Drop({path, m_folder.Path("notes.doc")}, refuse.Expect("File Error", IDOK));
    EXPECT_NE(refused.at(0).text.find("notes.doc is neither"), std::string::npos) << refused[0].text;
    EXPECT_EQ(Names(GroupList()), (Rows{"Saved", "Unsaved"}));

    ui::DialogAnswerer open;
    EXPECT_EQ(Drop({path}, open.Expect("Save File", IDNO)).size(), 1u);
    EXPECT_EQ(Names(GroupList()), Rows{"Saved"});
    EXPECT_EQ(Title(), "Vantrace - dropped.vtl");
}

TEST_F(DropDragTest, ADroppedTableGoesThroughThePreviewIntoTheSelectedGroupAsOneStep)
{
    AddGroup("Other");
    const DWORD target = AddGroup("Target");
    ShowList(1);
    const std::string table = m_folder.Path("masses.CSV");
    WriteBytes(table, "Name,Type\nAlpha,TIC\nBeta,BPI\n");
    ui::DialogAnswerer cancel;   // a cancelled preview ends the drop
    EXPECT_EQ(Drop({table, table}, cancel.Expect("Import Chromatograms", IDCANCEL)).size(), 1u);
    ui::DialogAnswerer ok;
    EXPECT_EQ(Drop({table}, ok.Expect("Import Chromatograms", IDOK)).size(), 1u);
    EXPECT_EQ(ManagerChroNames(target), (Rows{"Alpha", "Beta"}));
    EXPECT_EQ(Steps(), 1u);
}

TEST_F(DropDragTest, ADraggedRowMovesAsOneStepWithTheSelectionAndUndoPutsItBack)
{
    const DWORD first = AddGroup("G0");
    for (const char* name : {"G1", "G2", "G3"})
        AddChro(first, name + 1), AddGroup(name);
    ShowList(0);
    // Escape during a drag cancels it; the row it would have landed on was highlighted.
    ui::DragRow(GroupList(), 0, 2, false);
    EXPECT_EQ(SendMessageA(GroupList(), LVM_GETITEMSTATE, 2, LVIS_DROPHILITED), LVIS_DROPHILITED);
    ui::PressKey(GroupList(), VK_ESCAPE);
    EXPECT_EQ(SendMessageA(GroupList(), LVM_GETITEMSTATE, 2, LVIS_DROPHILITED), 0);

    ui::DragRow(GroupList(), 0, 2);
    EXPECT_EQ(Names(GroupList()), (Rows{"G1", "G2", "G0", "G3"}));
    EXPECT_EQ(SelectedRow(GroupList()), 2);
    ui::DragRow(ChroList(), 2, 0);
    EXPECT_EQ(Names(ChroList()), (Rows{"3", "1", "2"}));
    EXPECT_EQ(SelectedRow(ChroList()), 0);
    EXPECT_EQ(Steps(), 2u);
    Command(ID_EDIT_UNDO);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(ManagerGroupNames(), (Rows{"G0", "G1", "G2", "G3"}));
    EXPECT_EQ(ManagerChroNames(first), (Rows{"1", "2", "3"}));
}
