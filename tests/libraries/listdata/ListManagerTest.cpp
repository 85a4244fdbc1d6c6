// The list manager's operations on groups and chromatograms, by id and by position.
#include "CListManager.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {
CGroupDataHelper Group(const std::string& name, bool checked = false)
{
    CGroupDataHelper rec;
    rec.m_dwKey = 77;
    rec.m_strName = name;
    rec.m_strComment = name + " comment";
    rec.m_strRange = "1:2";
    rec.m_nRangeMode = 2;
    rec.m_bChecked = checked;
    return rec;
}

CChromatogramData Chro(const std::string& name, bool checked = true)
{
    CChromatogramData rec;
    rec.m_strName = name;
    rec.m_strMass = "301.1";
    rec.m_nType = 2;
    rec.m_nFunction = 3;
    rec.m_bChecked = checked;
    return rec;
}

// Everything the public operations show of a list, in order, as one text.
std::string Snapshot(const CListManager& list)
{
    std::string text;
    int groups = -1;
    EXPECT_TRUE(list.GetNoGroups(groups));
    for (int g = 0; g < groups; ++g) {
        DWORD gid = 0;
        CGroupDataHelper rec;
        int count = -1;
        int selection = -1;
        EXPECT_TRUE(list.GetGroupOrder(g, gid));
        EXPECT_TRUE(list.GetGroup(rec, gid));
        EXPECT_TRUE(list.GetNoChros(gid, count));
        EXPECT_TRUE(list.GetChroSelection(gid, selection));
        text += "G" + std::to_string(gid) + ":" + rec.m_strName + ":" + rec.m_strComment + ":"
                + std::to_string(rec.m_bChecked) + ":" + std::to_string(selection) + "\n";
        for (int c = 0; c < count; ++c) {
            DWORD cid = 0;
            CChromatogramData chro;
            EXPECT_TRUE(list.GetChroOrder(gid, c, cid));
            EXPECT_TRUE(list.GetChromatogram(gid, cid, chro));
            text += " C" + std::to_string(cid) + ":" + chro.m_strName + ":" + std::to_string(chro.m_bChecked) + "\n";
        }
    }
    return text;
}

// Two groups: "A" with chromatograms a1, a2, a3 and "B" with b1.
class ListManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_list.AddGroup(Group("A"), m_a));
        ASSERT_TRUE(m_list.AddGroup(Group("B", true), m_b));
        ASSERT_TRUE(m_list.AddChro(Chro("a1"), m_a1, m_a));
        ASSERT_TRUE(m_list.AddChro(Chro("a2", false), m_a2, m_a));
        ASSERT_TRUE(m_list.AddChro(Chro("a3"), m_a3, m_a));
        ASSERT_TRUE(m_list.AddChro(Chro("b1"), m_b1, m_b));
    }

    std::string ChroOrder(DWORD group)
    {
        std::string names;
        DWORD id = 0;
        for (int pos = 0; m_list.GetChroOrder(group, pos, id); ++pos) {
            CChromatogramData rec;
            EXPECT_TRUE(m_list.GetChromatogram(group, id, rec));
            names += rec.m_strName + " ";
        }
        return names;
    }

    CListManager m_list;
    DWORD m_a = 0, m_b = 0, m_a1 = 0, m_a2 = 0, m_a3 = 0, m_b1 = 0;
};

TEST_F(ListManagerTest, AddsInOrderWithDistinctNonZeroIds)
{
    const std::set<DWORD> ids{m_a, m_b, m_a1, m_a2, m_a3, m_b1};
    EXPECT_EQ(ids.size(), 6u);
    EXPECT_EQ(ids.count(0), 0u);
    EXPECT_EQ(Snapshot(m_list), "G" + std::to_string(m_a) + ":A:A comment:0:0\n C" + std::to_string(m_a1) + ":a1:1\n C"
                                    + std::to_string(m_a2) + ":a2:0\n C" + std::to_string(m_a3) + ":a3:1\nG"
                                    + std::to_string(m_b) + ":B:B comment:1:0\n C" + std::to_string(m_b1) + ":b1:1\n");
    CGroupDataHelper rec;
    ASSERT_TRUE(m_list.GetGroup(rec, m_a));
    EXPECT_EQ(rec.m_dwKey, 77u);   // the record's key is kept as given
    EXPECT_EQ(rec.m_strRange, "1:2");
    EXPECT_EQ(rec.m_nRangeMode, 2);
    CChromatogramData chro;
    ASSERT_TRUE(m_list.GetChromatogram(m_a, m_a3, chro));
    EXPECT_EQ(chro.m_strMass, "301.1");
    EXPECT_EQ(chro.m_nFunction, 3);
    // A chromatogram is found only through its own group.
    EXPECT_FALSE(m_list.GetChromatogram(m_b, m_a1, chro));
    DWORD id = 0;
    EXPECT_FALSE(m_list.GetGroupOrder(2, id));
    EXPECT_FALSE(m_list.GetGroupOrder(-1, id));
    EXPECT_FALSE(m_list.GetChroOrder(m_a, 3, id));
    EXPECT_FALSE(m_list.GetChroOrder(m_a, -1, id));
}

TEST_F(ListManagerTest, EditsStatesAndSelectionsAreKeptPerRecord)
{
    CGroupDataHelper group = Group("A2");
    group.m_dwKey = 5;
    EXPECT_TRUE(m_list.EditGroup(group, m_a));
    EXPECT_TRUE(m_list.EditChromatogram(m_a, m_a2, Chro("renamed", true)));
    EXPECT_TRUE(m_list.SetGroupState(m_a, true));
    EXPECT_TRUE(m_list.SetGroupState(m_b, false));
    EXPECT_TRUE(m_list.SetChromatogramState(m_a, m_a1, false));
    EXPECT_TRUE(m_list.SetChroSelection(m_a, 2));
    EXPECT_TRUE(m_list.SetChroSelection(m_b, 0));

    CGroupDataHelper rec;
    ASSERT_TRUE(m_list.GetGroup(rec, m_a));
    EXPECT_EQ(rec.m_strName, "A2");
    EXPECT_EQ(rec.m_dwKey, 5u);
    EXPECT_TRUE(rec.m_bChecked);
    ASSERT_TRUE(m_list.GetGroup(rec, m_b));
    EXPECT_FALSE(rec.m_bChecked);
    EXPECT_EQ(ChroOrder(m_a), "a1 renamed a3 ");
    CChromatogramData chro;
    ASSERT_TRUE(m_list.GetChromatogram(m_a, m_a1, chro));
    EXPECT_FALSE(chro.m_bChecked);
    int pos = -1;
    EXPECT_TRUE(m_list.GetChroSelection(m_a, pos));
    EXPECT_EQ(pos, 2);
    EXPECT_TRUE(m_list.GetChroSelection(m_b, pos));
    EXPECT_EQ(pos, 0);
}

TEST_F(ListManagerTest, MoveSwapsAdjacentChromatogramsOnly)
{
    EXPECT_TRUE(m_list.Move(m_a2, m_a1, m_a));   // up
    EXPECT_EQ(ChroOrder(m_a), "a2 a1 a3 ");
    EXPECT_TRUE(m_list.Move(m_a1, m_a3, m_a));   // down
    EXPECT_EQ(ChroOrder(m_a), "a2 a3 a1 ");
    const std::string before = Snapshot(m_list);
    EXPECT_FALSE(m_list.Move(m_a2, m_a1, m_a));   // two apart
    EXPECT_FALSE(m_list.Move(m_a2, m_a2, m_a));   // itself
    EXPECT_FALSE(m_list.Move(m_a2, m_b1, m_a));   // another group's
    EXPECT_FALSE(m_list.Move(m_a2, m_a3, m_b));   // wrong group
    EXPECT_FALSE(m_list.Move(m_a2, 0, m_a));
    EXPECT_FALSE(m_list.Move(0, m_a3, m_a));
    EXPECT_FALSE(m_list.Move(m_a2, m_a3, 0));
    EXPECT_FALSE(m_list.Move(m_a2, 9999, m_a));
    EXPECT_EQ(Snapshot(m_list), before);
}

// Look-ups by id remember where they last found a chromatogram; after the entries shift
// under that memory, every id must still reach its own record.
TEST_F(ListManagerTest, LookUpsByIdStayRightAfterEntriesShift)
{
    std::vector<DWORD> ids;
    for (int i = 0; i < 6; ++i) {
        DWORD id = 0;
        ASSERT_TRUE(m_list.AddChro(Chro("c" + std::to_string(i)), id, m_b));
        ids.push_back(id);
    }
    auto nameOf = [this](DWORD id) {
        CChromatogramData rec;
        return m_list.GetChromatogram(m_b, id, rec) ? rec.m_strName : std::string("missing");
    };
    EXPECT_EQ(nameOf(ids[3]), "c3");
    ASSERT_TRUE(m_list.RemoveChro(m_b, ids[3]));
    EXPECT_EQ(nameOf(ids[3]), "missing");
    EXPECT_EQ(nameOf(ids[4]), "c4");   // now where c3 was
    EXPECT_EQ(nameOf(ids[2]), "c2");   // behind the remembered place
    ASSERT_TRUE(m_list.Move(ids[5], ids[4], m_b));
    EXPECT_EQ(nameOf(ids[5]), "c5");
    EXPECT_EQ(nameOf(ids[4]), "c4");
    for (int i = 5; i >= 0; --i)
        EXPECT_EQ(nameOf(ids[i]), i == 3 ? "missing" : "c" + std::to_string(i));
    EXPECT_EQ(nameOf(m_a1), "missing");   // another group's id
}

TEST_F(ListManagerTest, DuplicateGroupCopiesChromatogramsUnderNewIds)
{
    CGroupDataHelper rec = Group("A copy");
    rec.m_strBasedOn = "A";
    DWORD id = m_a;
    ASSERT_TRUE(m_list.DuplicateGroup(rec, id));
    EXPECT_NE(id, m_a);
    EXPECT_NE(id, 0u);
    DWORD last = 0;
    ASSERT_TRUE(m_list.GetGroupOrder(2, last));
    EXPECT_EQ(last, id);
    CGroupDataHelper copy;
    ASSERT_TRUE(m_list.GetGroup(copy, id));
    EXPECT_EQ(copy.m_strName, "A copy");
    EXPECT_EQ(copy.m_strBasedOn, "A");
    EXPECT_EQ(ChroOrder(id), "a1 a2 a3 ");
    std::set<DWORD> ids{m_a, m_b, m_a1, m_a2, m_a3, m_b1, id};
    for (int pos = 0; pos < 3; ++pos) {
        DWORD chro = 0;
        ASSERT_TRUE(m_list.GetChroOrder(id, pos, chro));
        EXPECT_TRUE(ids.insert(chro).second) << "chromatogram id reused: " << chro;
    }
    DWORD second = 0;
    ASSERT_TRUE(m_list.GetChroOrder(id, 1, second));
    CChromatogramData chro;
    ASSERT_TRUE(m_list.GetChromatogram(id, second, chro));
    EXPECT_FALSE(chro.m_bChecked);   // check marks come along
    // The copy is its own: changing it leaves the source alone.
    EXPECT_TRUE(m_list.RemoveChro(id, second));
    EXPECT_EQ(ChroOrder(m_a), "a1 a2 a3 ");

    const std::string before = Snapshot(m_list);
    DWORD unknown = 9999;
    EXPECT_FALSE(m_list.DuplicateGroup(rec, unknown));
    EXPECT_EQ(unknown, 9999u);
    DWORD none = 0;
    EXPECT_FALSE(m_list.DuplicateGroup(rec, none));
    EXPECT_EQ(none, 0u);
    EXPECT_EQ(Snapshot(m_list), before);
}

TEST_F(ListManagerTest, UnknownAndZeroIdsChangeNothing)
{
    const std::string before = Snapshot(m_list);
    for (DWORD bad : {DWORD(0), DWORD(9999), m_a1}) {   // m_a1 is a chromatogram, not a group
        SCOPED_TRACE(bad);
        int n = -5;
        DWORD id = 1234;
        CGroupDataHelper group;
        CChromatogramData chro;
        EXPECT_FALSE(m_list.GetNoChros(bad, n));
        EXPECT_FALSE(m_list.GetChroOrder(bad, 0, id));
        EXPECT_FALSE(m_list.GetGroup(group, bad));
        EXPECT_FALSE(m_list.GetChromatogram(bad, m_a1, chro));
        EXPECT_FALSE(m_list.AddChro(Chro("x"), id, bad));
        EXPECT_FALSE(m_list.EditGroup(Group("x"), bad));
        EXPECT_FALSE(m_list.EditChromatogram(bad, m_a1, Chro("x")));
        EXPECT_FALSE(m_list.RemoveGroup(bad));
        EXPECT_FALSE(m_list.RemoveChro(bad, m_a1));
        EXPECT_FALSE(m_list.SetGroupState(bad, true));
        EXPECT_FALSE(m_list.SetChromatogramState(bad, m_a1, false));
        EXPECT_FALSE(m_list.SetChroSelection(bad, 1));
        EXPECT_FALSE(m_list.GetChroSelection(bad, n));
        EXPECT_EQ(n, -5);
        EXPECT_EQ(id, 1234u);
    }
    for (DWORD bad : {DWORD(0), DWORD(9999), m_b1}) {   // m_b1 belongs to the other group
        SCOPED_TRACE(bad);
        CChromatogramData chro;
        EXPECT_FALSE(m_list.GetChromatogram(m_a, bad, chro));
        EXPECT_FALSE(m_list.EditChromatogram(m_a, bad, Chro("x")));
        EXPECT_FALSE(m_list.RemoveChro(m_a, bad));
        EXPECT_FALSE(m_list.SetChromatogramState(m_a, bad, false));
    }
    EXPECT_EQ(Snapshot(m_list), before);
}

// The removals an undo of a paste or import makes in one pass: every id listed or none.
TEST_F(ListManagerTest, BulkRemovalsTakeEveryIdListedOrNone)
{
    const std::string before = Snapshot(m_list);
    const std::vector<std::vector<DWORD>> badChros = {
        {m_a1, 9999}, {m_a1, m_a1}, {m_a2, m_b1}, {0, m_a3}};   // unknown, twice, another group's, zero
    for (const auto& ids : badChros)
        EXPECT_FALSE(m_list.RemoveChros(m_a, ids));
    EXPECT_FALSE(m_list.RemoveChros(9999, {m_a1}));
    for (const std::vector<DWORD>& ids : {std::vector<DWORD>{m_a, 9999}, {m_b, m_b}, {m_b, m_a1}})
        EXPECT_FALSE(m_list.RemoveGroups(ids));
    EXPECT_EQ(Snapshot(m_list), before);

    EXPECT_TRUE(m_list.RemoveChros(m_a, {m_a3, m_a1}));
    EXPECT_EQ(ChroOrder(m_a), "a2 ");
    EXPECT_TRUE(m_list.RemoveGroups({m_b, m_a}));
    int groups = -1;
    EXPECT_TRUE(m_list.GetNoGroups(groups));
    EXPECT_EQ(groups, 0);
    EXPECT_FALSE(m_list.GetNoChros(m_a, groups));
}

TEST_F(ListManagerTest, RemovedIdsAreNeverHandedOutAgain)
{
    std::set<DWORD> used{m_a, m_b, m_a1, m_a2, m_a3, m_b1};
    EXPECT_TRUE(m_list.RemoveChro(m_a, m_a3));
    EXPECT_TRUE(m_list.RemoveGroup(m_b));
    EXPECT_FALSE(m_list.RemoveGroup(m_b));
    EXPECT_FALSE(m_list.GetChroOrder(m_b, 0, m_b1));
    EXPECT_EQ(ChroOrder(m_a), "a1 a2 ");
    int groups = 0;
    EXPECT_TRUE(m_list.GetNoGroups(groups));
    EXPECT_EQ(groups, 1);

    DWORD id = 0;
    ASSERT_TRUE(m_list.AddChro(Chro("a4"), id, m_a));
    EXPECT_TRUE(used.insert(id).second);
    ASSERT_TRUE(m_list.AddGroup(Group("C"), id));
    EXPECT_TRUE(used.insert(id).second);
    EXPECT_TRUE(m_list.DeleteListContent());
    EXPECT_TRUE(m_list.GetNoGroups(groups));
    EXPECT_EQ(groups, 0);
    EXPECT_FALSE(m_list.GetNoChros(m_a, groups));
    ASSERT_TRUE(m_list.AddGroup(Group("D"), id));
    EXPECT_TRUE(used.insert(id).second);
}

// What an undo needs: a removed group or chromatogram comes back with its ids at its place,
// and the list reads exactly as before the removal.
TEST_F(ListManagerTest, RemovedRecordsComeBackWithTheirIdsAtTheirPlaces)
{
    ASSERT_TRUE(m_list.SetChroSelection(m_a, 2));
    const std::string before = Snapshot(m_list);
    CGroupDataHelper group;
    ASSERT_TRUE(m_list.GetGroup(group, m_a));
    std::vector<SChroRecord> chros(3);
    for (int pos = 0; pos < 3; ++pos) {
        ASSERT_TRUE(m_list.GetChroOrder(m_a, pos, chros[pos].id));
        ASSERT_TRUE(m_list.GetChromatogram(m_a, chros[pos].id, chros[pos].rec));
    }
    ASSERT_TRUE(m_list.RemoveGroup(m_a));
    DWORD id = m_a;
    ASSERT_TRUE(m_list.InsertGroup(group, id, 0));
    EXPECT_EQ(id, m_a);
    ASSERT_TRUE(m_list.InsertChros(m_a, 0, chros));
    ASSERT_TRUE(m_list.SetChroSelection(m_a, 2));
    EXPECT_EQ(Snapshot(m_list), before);

    std::vector<SChroRecord> middle{chros[1]};
    ASSERT_TRUE(m_list.RemoveChro(m_a, m_a2));
    ASSERT_TRUE(m_list.InsertChros(m_a, 1, middle));
    EXPECT_EQ(Snapshot(m_list), before);

    // Ids of 0 take new ids, above every id the list holds.
    std::vector<SChroRecord> fresh{{0, Chro("n1")}, {0, Chro("n2")}};
    DWORD newGroup = 0;
    ASSERT_TRUE(m_list.InsertGroup(Group("N"), newGroup, 1));
    ASSERT_TRUE(m_list.InsertChros(newGroup, 0, fresh));
    const std::set<DWORD> ids{m_a, m_b, m_a1, m_a2, m_a3, m_b1, newGroup, fresh[0].id, fresh[1].id};
    EXPECT_EQ(ids.size(), 9u);
    EXPECT_EQ(ids.count(0), 0u);
    EXPECT_EQ(ChroOrder(newGroup), "n1 n2 ");
    DWORD second = 0;
    ASSERT_TRUE(m_list.GetGroupOrder(1, second));
    EXPECT_EQ(second, newGroup);
}

TEST_F(ListManagerTest, InsertsThatWouldClashOrMissChangeNothing)
{
    const std::string before = Snapshot(m_list);
    DWORD id = m_b;   // a group's id already
    EXPECT_FALSE(m_list.InsertGroup(Group("x"), id, 0));
    for (int pos : {-1, 3}) {
        DWORD none = 0;
        EXPECT_FALSE(m_list.InsertGroup(Group("x"), none, pos));
        EXPECT_EQ(none, 0u);
    }
    const std::vector<std::vector<SChroRecord>> clashes = {
        {{0, Chro("x")}, {m_a1, Chro("x")}},      // an id the group holds
        {{9000, Chro("x")}, {9000, Chro("y")}},   // the same id twice
    };
    for (const auto& clash : clashes) {
        auto chros = clash;
        EXPECT_FALSE(m_list.InsertChros(m_a, 0, chros));
        EXPECT_EQ(chros[0].id, clash[0].id);   // no new id handed out
    }
    std::vector<SChroRecord> one{{0, Chro("x")}};
    EXPECT_FALSE(m_list.InsertChros(m_a, 4, one));
    EXPECT_FALSE(m_list.InsertChros(m_a, -1, one));
    EXPECT_FALSE(m_list.InsertChros(9999, 0, one));
    EXPECT_EQ(Snapshot(m_list), before);
    // Another group's chromatogram id is no clash: ids are unique within a group.
    std::vector<SChroRecord> foreign{{m_b1, Chro("b1 again")}};
    EXPECT_TRUE(m_list.InsertChros(m_a, 3, foreign));
    EXPECT_EQ(ChroOrder(m_a), "a1 a2 a3 b1 again ");
}

TEST_F(ListManagerTest, MoveGroupSwapsAdjacentGroupsOnlyAndUndoesItself)
{
    DWORD c = 0;
    ASSERT_TRUE(m_list.AddGroup(Group("C"), c));
    const std::string before = Snapshot(m_list);
    EXPECT_FALSE(m_list.MoveGroup(m_a, c));   // two apart
    EXPECT_FALSE(m_list.MoveGroup(m_a, m_a));
    EXPECT_FALSE(m_list.MoveGroup(m_a, 0));
    EXPECT_FALSE(m_list.MoveGroup(9999, m_b));
    EXPECT_EQ(Snapshot(m_list), before);
    ASSERT_TRUE(m_list.MoveGroup(c, m_b));
    DWORD id = 0;
    ASSERT_TRUE(m_list.GetGroupOrder(1, id));
    EXPECT_EQ(id, c);
    ASSERT_TRUE(m_list.MoveGroup(c, m_b));
    EXPECT_EQ(Snapshot(m_list), before);
}

// Positions found by id agree with the order through every change that shifts, swaps or
// appends groups, and chromatograms found near or far from the one found last.
TEST_F(ListManagerTest, PositionsByIdFollowEveryChangeOfTheOrder)
{
    auto agree = [&](const char* after) {
        DWORD id = 0;
        int pos = -1;
        for (int at = 0; m_list.GetGroupOrder(at, id); ++at)
            EXPECT_TRUE(m_list.GetGroupPos(id, pos) && pos == at) << after << ": group at " << at;
        for (int at = 2; at >= 0 && m_list.GetChroOrder(m_a, at, id); --at)
            EXPECT_TRUE(m_list.GetChroPos(m_a, id, pos) && pos == at) << after << ": chromatogram at " << at;
    };
    agree("fill");
    DWORD c = 0, d = 0, e = 0;
    ASSERT_TRUE(m_list.AddGroup(Group("C"), c));
    agree("append");
    ASSERT_TRUE(m_list.InsertGroup(Group("D"), d, 1));
    agree("insert");
    ASSERT_TRUE(m_list.MoveGroup(c, m_b));
    ASSERT_TRUE(m_list.Move(m_a3, m_a2, m_a));
    agree("swaps");
    ASSERT_TRUE(m_list.RemoveGroup(d));
    agree("removal");
    e = m_a;
    ASSERT_TRUE(m_list.DuplicateGroup(Group("E"), e));
    ASSERT_TRUE(m_list.RemoveGroups({m_b, c}));
    agree("duplicate and removals");
    int pos = 0;
    EXPECT_FALSE(m_list.GetGroupPos(c, pos));
    EXPECT_FALSE(m_list.GetChroPos(m_a, m_b1, pos));
    EXPECT_FALSE(m_list.GetChroPos(m_b, m_b1, pos));
}

TEST(ListManagerScale, TenThousandGroupsAreWalkedByPosition)
{
    CListManager list;
    for (int g = 0; g < 10000; ++g) {
        DWORD gid = 0;
        ASSERT_TRUE(list.AddGroup(Group("g" + std::to_string(g)), gid));
        for (int c = 0; c < 20; ++c) {
            DWORD cid = 0;
            ASSERT_TRUE(list.AddChro(Chro("c"), cid, gid));
        }
    }
    int count = 0;
    DWORD gid = 0;
    ASSERT_TRUE(list.GetGroupOrder(9999, gid));
    CGroupDataHelper rec;
    ASSERT_TRUE(list.GetGroup(rec, gid));
    EXPECT_EQ(rec.m_strName, "g9999");
    long total = 0;
    for (int g = 0; list.GetGroupOrder(g, gid); ++g) {
        ASSERT_TRUE(list.GetNoChros(gid, count));
        total += count;
    }
    EXPECT_EQ(total, 200000);
}
}   // namespace
