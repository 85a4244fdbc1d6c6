// The edit history and its steps without windows: all-or-nothing steps, the limit, and the
// saved state however it is reached.
#include "CEditHistory.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
CEditStep Check(DWORD group, bool before, bool after)
{
    CEditStep step(1);
    step.Add(CEditStep::SGroupCheck{group, before, after});
    return step;
}

bool Checked(const CListManager& list, DWORD group)
{
    CGroupDataHelper rec;
    EXPECT_TRUE(list.GetGroup(rec, group));
    return rec.m_bChecked;
}

TEST(EditStepTest, AStepTheListRefusesInPartChangesNothing)
{
    CListManager list;
    DWORD group = 0;
    ASSERT_TRUE(list.AddGroup(CGroupDataHelper(), group));
    CEditStep step(1);
    step.Add(CEditStep::SGroupCheck{group, false, true});
    step.Add(CEditStep::SGroupSwap{group, 9999});   // no such neighbour
    EXPECT_FALSE(step.Apply(list, true));
    EXPECT_FALSE(Checked(list, group));
    // Edits and checks that change nothing are no changes at all.
    CEditStep same(1);
    same.Add(CEditStep::SGroupCheck{group, true, true});
    same.Add(CEditStep::SGroupEdit{group, CGroupDataHelper(), CGroupDataHelper()});
    EXPECT_TRUE(same.IsEmpty());
}

// An import's step: rows into a group the list has and three new groups with rows. Undo
// removes them all (the groups in one pass), Redo brings them back with their ids, and an
// undo the list refuses in part changes nothing.
TEST(EditStepTest, AnImportComesAndGoesWholeWithItsIds)
{
    CListManager list;
    DWORD group = 0;
    ASSERT_TRUE(list.AddGroup(CGroupDataHelper(), group));
    CEditStep step(1);
    step.Add(CEditStep::SChroChange{true, group, 0, std::vector<SChroRecord>(2)});
    for (int i = 1; i <= 3; ++i)
        step.Add(CEditStep::SGroupChange{true, 0, i, 0, CGroupDataHelper(), std::vector<SChroRecord>(i), {}});
    ASSERT_TRUE(step.Apply(list, true));
    std::vector<DWORD> groups(4);
    for (int pos = 0; pos < 4; ++pos)
        ASSERT_TRUE(list.GetGroupOrder(pos, groups[static_cast<size_t>(pos)]));
    auto count = [&](DWORD id) {
        int n = -1;
        list.GetNoChros(id, n);
        return n;
    };
    ASSERT_TRUE(step.Apply(list, false));
    int total = 0;
    list.GetNoGroups(total);
    EXPECT_EQ(total, 1);
    EXPECT_EQ(count(group), 0);
    ASSERT_TRUE(step.Apply(list, true));
    for (int pos = 0; pos < 4; ++pos) {
        DWORD id = 0;
        EXPECT_TRUE(list.GetGroupOrder(pos, id));
        EXPECT_EQ(id, groups[static_cast<size_t>(pos)]);
        EXPECT_EQ(count(id), pos == 0 ? 2 : pos);
    }
    // One of the new groups is gone already: the undo is refused and the rest stays.
    ASSERT_TRUE(list.RemoveGroup(groups[2]));
    EXPECT_FALSE(step.Apply(list, false));
    list.GetNoGroups(total);
    EXPECT_EQ(total, 3);
    EXPECT_EQ(count(group), 2);
}

TEST(EditHistoryTest, KeepsTheNewestThousandStepsAndKnowsTheSavedState)
{
    CListManager list;
    DWORD group = 0;
    ASSERT_TRUE(list.AddGroup(CGroupDataHelper(), group));
    CEditHistory history;
    history.Clear();
    bool checked = false;
    for (int i = 0; i < 1001; ++i) {
        CEditStep step = Check(group, checked, !checked);
        ASSERT_TRUE(step.Apply(list, true));
        checked = !checked;
        history.Push(std::move(step));
        if (i == 499)
            history.MarkSaved();
    }
    EXPECT_EQ(history.UndoCount(), 1000u);
    EXPECT_TRUE(history.IsModified());
    // Back 501 steps reaches the state saved after step 500.
    for (int i = 0; i < 501; ++i) {
        CEditStep* step = history.NextUndo();
        ASSERT_NE(step, nullptr);
        ASSERT_TRUE(step->Apply(list, false));
        history.Undone();
        EXPECT_EQ(history.IsModified(), i != 500) << i;
    }
    while (CEditStep* step = history.NextUndo()) {
        ASSERT_TRUE(step->Apply(list, false));
        history.Undone();
    }
    EXPECT_EQ(history.RedoCount(), 1000u);
    EXPECT_TRUE(history.IsModified());   // the oldest step is gone, not undone
    EXPECT_EQ(Checked(list, group), true);
    // A new step drops what could be redone; the saved state cannot come back.
    history.Push(Check(group, true, false));
    EXPECT_EQ(history.NextRedo(), nullptr);
    EXPECT_TRUE(history.IsModified());
    history.Clear();
    EXPECT_FALSE(history.IsModified());
    EXPECT_EQ(history.NextUndo(), nullptr);
}
}   // namespace
