// Chromatograms read from a list file keep their texts in the file's own text: they must
// stay right through edits, copies, moves and removals, through escapes that shorten the
// texts before them, through a later load, and through saves of records of any size.
#include "CListManager.h"
#include "FileBytes.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// Plain texts, escapes that shorten a text ahead of plain ones, empty texts, a CR LF line.
const char kMixedFile[] = "VANTRACE-LIST 1\n"
                          "G\t1\t0\t0\t0\t0\tFirst\t\t\t\n"
                          "C\t2\t1\t0\t1\t1\tTIC\tTotal ion current\t\t\t\n"
                          "C\t3\t0\t2\t1\t2\t\\\\\\\\\tafter two backslashes\t\\t556.3\\n\tx\\0y\tTIC\n"
                          "C\t4\t1\t1\t1\t3\t\xE9t\xE9\t\"quoted\"\t\t\t\r\n"
                          "G\t5\t0\t0\t0\t0\tSecond\t\t\t\n"
                          "C\t6\t1\t3\t2\t1\tAnalogue\t\t\t\t\\r\n"
                          "END\t2\t4\n";

std::string Texts(const CListManager& list, DWORD group, DWORD chro)
{
    CChromatogramData rec;
    if (!list.GetChromatogram(group, chro, rec))
        return "missing";
    return rec.m_strName + "|" + rec.m_strDescription + "|" + rec.m_strMass + "|" + rec.m_strExtra + "|"
           + rec.m_strBasedOn;
}

class PackedRecordsTest : public testing::Test {
protected:
    TempFolder m_folder;
};
}   // namespace

TEST_F(PackedRecordsTest, LoadedTextsReadBackExactlyAndSurviveEditsCopiesAndMoves)
{
    const std::string path = m_folder.Path("mixed.vtl");
    ASSERT_TRUE(WriteBytes(path, kMixedFile));
    CListManager list;
    ASSERT_TRUE(list.Load(path.c_str()));
    EXPECT_EQ(Texts(list, 1, 2), "TIC|Total ion current|||");
    EXPECT_EQ(Texts(list, 1, 3), std::string("\\\\|after two backslashes|\t556.3\n|x\0y|TIC", 40));
    EXPECT_EQ(Texts(list, 1, 4), "\xE9t\xE9|\"quoted\"|||");
    EXPECT_EQ(Texts(list, 5, 6), "Analogue||||\r");

    // A copy of the first group, an edited record, two records swapped, one removed.
    CGroupDataHelper group;
    ASSERT_TRUE(list.GetGroup(group, 1));
    DWORD copy = 1;
    ASSERT_TRUE(list.DuplicateGroup(group, copy));
    CChromatogramData edited;
    ASSERT_TRUE(list.GetChromatogram(1, 2, edited));
    edited.m_strDescription = "now\twith a tab";
    ASSERT_TRUE(list.EditChromatogram(1, 2, edited));
    ASSERT_TRUE(list.Move(3, 4, 1));
    ASSERT_TRUE(list.RemoveChro(5, 6));

    const std::string saved = m_folder.Path("saved.vtl");
    ASSERT_TRUE(list.Save(saved.c_str()));
    std::string bytes;
    ASSERT_TRUE(ReadBytes(saved, bytes));
    EXPECT_EQ(bytes, "VANTRACE-LIST 1\n"
                     "G\t1\t0\t0\t0\t0\tFirst\t\t\t\n"
                     "C\t2\t1\t0\t1\t1\tTIC\tnow\\twith a tab\t\t\t\n"
                     "C\t4\t1\t1\t1\t3\t\xE9t\xE9\t\"quoted\"\t\t\t\n"
                     "C\t3\t0\t2\t1\t2\t\\\\\\\\\tafter two backslashes\t\\t556.3\\n\tx\\0y\tTIC\n"
                     "G\t5\t0\t0\t0\t0\tSecond\t\t\t\n"
                     "G\t7\t0\t0\t0\t0\tFirst\t\t\t\n"
                     "C\t8\t1\t0\t1\t1\tTIC\tTotal ion current\t\t\t\n"
                     "C\t9\t0\t2\t1\t2\t\\\\\\\\\tafter two backslashes\t\\t556.3\\n\tx\\0y\tTIC\n"
                     "C\t10\t1\t1\t1\t3\t\xE9t\xE9\t\"quoted\"\t\t\t\n"
                     "END\t3\t6\n");

    // Another file replaces the text the old records borrowed from; the new ones read right,
    // and so do the entries an undo kept of the first group before.
    std::vector<SChroEntry> kept;
    ASSERT_TRUE(list.CopyChroEntries(1, kept));
    ASSERT_TRUE(WriteBytes(path, "VANTRACE-LIST 1\nG\t1\t0\t0\t0\t0\tOther\t\t\t\n"
                                 "C\t2\t1\t0\t1\t1\tReplaced\t\\\\\t\t\t\nEND\t1\t1\n"));
    ASSERT_TRUE(list.Load(path.c_str()));
    EXPECT_EQ(Texts(list, 1, 2), "Replaced|\\|||");
    int groups = 0;
    ASSERT_TRUE(list.GetNoGroups(groups));
    EXPECT_EQ(groups, 1);
    DWORD back = 50;
    ASSERT_TRUE(list.InsertGroup(group, back, 1));
    ASSERT_TRUE(list.InsertChroEntries(back, 0, kept));
    EXPECT_FALSE(list.InsertChroEntries(back, 0, kept));   // their ids are the group's now
    EXPECT_EQ(Texts(list, back, 2), "TIC|now\twith a tab|||");
    EXPECT_EQ(Texts(list, back, 3), std::string("\\\\|after two backslashes|\t556.3\n|x\0y|TIC", 40));
}

TEST_F(PackedRecordsTest, RecordsLargerThanTheWriteBufferRoundTrip)
{
    // Five texts of 700,000 bytes, every third byte one that is escaped: one line of
    // several MiB between two small records.
    std::string big(700000, 'a');
    for (size_t i = 0; i < big.size(); i += 3)
        big[i] = "\n\t\\\r"[i % 4];
    big[1] = '\0';
    CListManager list;
    DWORD group = 0, chro = 0;
    ASSERT_TRUE(list.AddGroup(CGroupDataHelper(), group));
    CChromatogramData rec;
    rec.m_strName = "small before";
    ASSERT_TRUE(list.AddChro(rec, chro, group));
    rec.m_strName = rec.m_strDescription = rec.m_strMass = rec.m_strExtra = rec.m_strBasedOn = big;
    rec.m_strBasedOn.back() = 'z';
    ASSERT_TRUE(list.AddChro(rec, chro, group));
    rec = CChromatogramData();
    rec.m_strName = "small after";
    ASSERT_TRUE(list.AddChro(rec, chro, group));

    const std::string path = m_folder.Path("big.vtl");
    ASSERT_TRUE(list.Save(path.c_str()));
    CListManager loaded;
    ASSERT_TRUE(loaded.Load(path.c_str()));
    for (int pos = 0; pos < 3; ++pos) {
        DWORD savedId = 0, loadedId = 0;
        ASSERT_TRUE(list.GetChroOrder(group, pos, savedId));
        ASSERT_TRUE(loaded.GetChroOrder(group, pos, loadedId));
        EXPECT_EQ(loadedId, savedId);
        EXPECT_TRUE(Texts(loaded, group, loadedId) == Texts(list, group, savedId)) << "position " << pos;
    }
    // Saved again from the loaded (borrowed) texts, the file is the same.
    std::string first, second;
    ASSERT_TRUE(loaded.Save(m_folder.Path("again.vtl").c_str()));
    ASSERT_TRUE(ReadBytes(path, first));
    ASSERT_TRUE(ReadBytes(m_folder.Path("again.vtl"), second));
    EXPECT_GT(first.size(), 4000000u);
    EXPECT_TRUE(first == second);
}

TEST_F(PackedRecordsTest, RawCarriageReturnsAndNulsInALoadedTextAreEscapedWhenSaved)
{
    // A reader takes a raw CR (not before the line end) or NUL in a text as a byte; the
    // writer always escapes them, so the saved file reads back the same.
    const std::string path = m_folder.Path("raw.vtl");
    ASSERT_TRUE(WriteBytes(path, std::string("VANTRACE-LIST 1\nG\t1\t0\t0\t0\t0\tG\t\t\t\n"
                                             "C\t2\t1\t0\t1\t1\ta\rb\tn\0l\t\t\t\r\r\nEND\t1\t1\n",
                                             66)));
    CListManager list;
    ASSERT_TRUE(list.Load(path.c_str()));
    EXPECT_EQ(Texts(list, 1, 2), std::string("a\rb|n\0l|||\r", 11));
    const std::string saved = m_folder.Path("saved.vtl");
    ASSERT_TRUE(list.Save(saved.c_str()));
    std::string bytes;
    ASSERT_TRUE(ReadBytes(saved, bytes));
    EXPECT_EQ(bytes,
              "VANTRACE-LIST 1\nG\t1\t0\t0\t0\t0\tG\t\t\t\nC\t2\t1\t0\t1\t1\ta\\rb\tn\\0l\t\t\t\\r\nEND\t1\t1\n");
    CListManager again;
    ASSERT_TRUE(again.Load(saved.c_str()));
    EXPECT_EQ(Texts(again, 1, 2), Texts(list, 1, 2));
}

// A record owns its texts or borrows them: a copy of an owned record has texts of its own,
// a copy of a borrowed one borrows the same bytes, and a moved-from record is empty. Texts are
// kept as a list file line holds them and read back unescaped.
TEST(PackedChromatogram, CopiesAndMovesKeepTheirOwnTexts)
{
    CChromatogramData rec;
    rec.m_strName = "Trace\t1";   // an escaped byte
    rec.m_strDescription = "description";
    rec.m_strBasedOn = std::string("a\0\r\\", 4);
    rec.m_nType = 2;
    CPackedChromatogram owned(rec);
    EXPECT_EQ(owned.Stored(), "Trace\\t1\tdescription\t\t\ta\\0\\r\\\\");
    CPackedChromatogram copy(owned);
    EXPECT_NE(copy.Stored().data(), owned.Stored().data());
    EXPECT_EQ(copy.Text(CPackedChromatogram::kName), "Trace\t1");
    EXPECT_EQ(copy.Text(CPackedChromatogram::kBasedOn), rec.m_strBasedOn);
    copy = copy;
    EXPECT_EQ(copy.Text(CPackedChromatogram::kDescription), "description");

    char line[] = "Name\tDesc\t\t\tBase";
    CPackedChromatogram borrowed;
    borrowed.Borrow(line, sizeof line - 1);
    CPackedChromatogram sharing = borrowed;
    EXPECT_EQ(sharing.Stored().data(), line);
    EXPECT_EQ(sharing.Text(CPackedChromatogram::kMass), "");

    copy = borrowed;   // the owned texts are let go
    EXPECT_EQ(copy.Text(CPackedChromatogram::kBasedOn), "Base");
    CPackedChromatogram moved(std::move(owned));
    EXPECT_EQ(moved.Text(CPackedChromatogram::kName), "Trace\t1");
    EXPECT_EQ(moved.m_nType, 2);
    for (int text = 0; text < CPackedChromatogram::kTexts; ++text)
        EXPECT_EQ(owned.Text(text), "");
    owned = std::move(moved);
    CChromatogramData back;
    owned.Unpack(back);
    EXPECT_EQ(back.m_strName, rec.m_strName);
    EXPECT_EQ(back.m_strDescription, rec.m_strDescription);
    EXPECT_EQ(back.m_strBasedOn, rec.m_strBasedOn);
    EXPECT_EQ(back.m_nType, 2);
}
