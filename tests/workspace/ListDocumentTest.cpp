// The list document without windows: the edit path, the selection it hands its display,
// and the modified mark through Undo, Redo, saves and loads.
#include "CEditDisplay.h"
#include "CListDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// A display that stands at a fixed selection and records what it was asked to show.
class RecordingDisplay : public CEditDisplay {
public:
    SListSelection CurrentSelection() override { return m_current; }
    void ShowEdit(const SEditReach& reach, const SListSelection& sel) override { m_shown.push_back({reach.rebuild, sel}); }

    struct Shown {
        bool groups;
        SListSelection sel;
    };
    SListSelection m_current;
    std::vector<Shown> m_shown;
};

CEditStep AddGroup(const char* name)
{
    CEditStep step(1);
    CEditStep::SGroupChange change;
    change.rec.m_strName = name;
    step.Add(std::move(change));
    step.m_after = SListSelection{0, -1};
    step.m_bSelectInsertedGroup = true;
    return step;
}

TEST(ListDocumentTest, UndoShowsTheSelectionBeforeTheStepAndRedoTheOneAfter)
{
    CListDocument document;
    RecordingDisplay display;
    document.SetDisplay(&display);
    display.m_current = SListSelection{7, 3};
    ASSERT_TRUE(document.ApplyEdit(AddGroup("first")));
    EXPECT_FALSE(document.ApplyEdit(CEditStep(1)));   // a step that changes nothing is no edit
    ASSERT_EQ(display.m_shown.size(), 1u);
    const DWORD inserted = display.m_shown[0].sel.group;
    EXPECT_NE(inserted, 0u);
    EXPECT_TRUE(display.m_shown[0].groups);
    EXPECT_TRUE(document.IsModified());

    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(display.m_shown.back().sel.group, 7u);
    EXPECT_EQ(display.m_shown.back().sel.chroRow, 3);
    EXPECT_FALSE(document.IsModified());
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(display.m_shown.back().sel.group, inserted);
    EXPECT_TRUE(document.IsModified());
    document.SetModified(false);   // a save
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(document.IsModified());
}

TEST(ListDocumentTest, ALoadForgetsTheStepsAndAFailedOneLeavesNoList)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "ListDocumentTest.vtl";
    CListDocument document;   // no display: the edit path stands alone
    ASSERT_TRUE(document.ApplyEdit(AddGroup("kept")));
    ASSERT_TRUE(document.Save(path));
    ASSERT_TRUE(document.ApplyEdit(AddGroup("dropped")));
    ASSERT_TRUE(document.Load(path));
    int groups = 0;
    document.Manager().GetNoGroups(groups);
    EXPECT_EQ(groups, 1);
    EXPECT_FALSE(document.Undo());

    EXPECT_FALSE(document.Load(path + ".missing"));
    document.Manager().GetNoGroups(groups);
    EXPECT_EQ(groups, 0);
    DeleteFileA(path.c_str());
}
}   // namespace
