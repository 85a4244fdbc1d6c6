// List files on disk: exact round trips, refusal of damaged files, and saves that never
// damage the file they replace.
#include "CListManager.h"
#include "FileBytes.h"
#include "TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {
// Every field of every record, in order, with lengths so that no two lists look alike.
std::string Dump(const CListManager& list)
{
    auto text = [](const std::string& s) { return std::to_string(s.size()) + "[" + s + "]"; };
    std::string out;
    int groups = 0;
    list.GetNoGroups(groups);
    for (int g = 0; g < groups; ++g) {
        DWORD gid = 0;
        CGroupDataHelper r;
        int n = 0, sel = 0;
        list.GetGroupOrder(g, gid);
        list.GetGroup(r, gid);
        list.GetNoChros(gid, n);
        list.GetChroSelection(gid, sel);
        out += "G " + std::to_string(gid) + " " + std::to_string(r.m_dwKey) + " " + text(r.m_strName)
               + text(r.m_strComment) + text(r.m_strBasedOn) + text(r.m_strRange) + std::to_string(r.m_bChecked)
               + std::to_string(r.m_nRangeMode) + "/" + std::to_string(sel) + "\n";
        for (int c = 0; c < n; ++c) {
            DWORD cid = 0;
            CChromatogramData d;
            list.GetChroOrder(gid, c, cid);
            list.GetChromatogram(gid, cid, d);
            out += "C " + std::to_string(cid) + " " + text(d.m_strName) + text(d.m_strDescription) + text(d.m_strMass)
                   + text(d.m_strExtra) + text(d.m_strBasedOn) + std::to_string(d.m_nType) + "/"
                   + std::to_string(d.m_nAnalogue) + "/" + std::to_string(d.m_nFunction) + std::to_string(d.m_bChecked)
                   + "\n";
        }
    }
    return out;
}

std::string AllBytes64K()
{
    std::string s(65536, '\0');
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<char>(i * 7 + i / 256);
    return s;
}

// A list whose fields hold everything that could upset a text format.
void FillAwkward(CListManager& list)
{
    CGroupDataHelper g;
    g.m_dwKey = 0xFFFFFFFF;
    g.m_strName = "";
    g.m_strComment = "tab\there\r\nnew line\nand \"quotes\" 'single' \\ back\\slash \\t not a tab";
    g.m_strBasedOn = std::string("nul\0byte", 8) + "\xE9\xFF\x80 caf\xE9";
    g.m_strRange = "10.5:12";
    g.m_nRangeMode = -2147483647 - 1;
    g.m_bChecked = true;
    DWORD gid = 0;
    ASSERT_TRUE(list.AddGroup(g, gid));
    ASSERT_TRUE(list.SetChroSelection(gid, -1));
    CChromatogramData c;
    c.m_strName = "\\";
    c.m_strDescription = AllBytes64K();
    c.m_strMass = "\t";
    c.m_strExtra = "\r";
    c.m_strBasedOn = "\n";
    c.m_nType = 3;
    c.m_nAnalogue = 2147483647;
    c.m_nFunction = -1;
    c.m_bChecked = false;
    DWORD cid = 0;
    ASSERT_TRUE(list.AddChro(c, cid, gid));
    ASSERT_TRUE(list.AddChro(CChromatogramData(), cid, gid));
    ASSERT_TRUE(list.AddGroup(CGroupDataHelper(), gid));   // empty group, all defaults
}

const char kVersion1File[] = "VANTRACE-LIST 1\n"
                             "G\t7\t3\t1\t2\t1\tBlanks\tfirst\\tsecond\t\t10.5:12\n"
                             "C\t8\t1\t0\t1\t1\tTIC F1\tTotal ion current\t\t\t\n"
                             "C\t12\t0\t2\t4\t2\tm/z 301\t\"q\" \\\\ p\t301.1\tx\tTIC F1\n"
                             "G\t9\t0\t0\t0\t0\tEmpty\t\t\t\n"
                             "END\t2\t2\n";

class ListFileTest : public testing::Test {
protected:
    TempFolder m_folder;
};

TEST_F(ListFileTest, AwkwardFieldsRoundTripExactly)
{
    CListManager saved;
    FillAwkward(saved);
    const std::string path = m_folder.Path("awkward.vtl");
    ASSERT_TRUE(saved.Save(path.c_str()));
    CListManager loaded;
    ASSERT_TRUE(loaded.Load(path.c_str()));
    EXPECT_EQ(Dump(loaded), Dump(saved));
    EXPECT_GT(Dump(loaded).size(), 65536u);
    // Saving what was loaded gives the same bytes.
    std::string first, second;
    ASSERT_TRUE(ReadBytes(path, first));
    ASSERT_TRUE(loaded.Save(m_folder.Path("again.vtl").c_str()));
    ASSERT_TRUE(ReadBytes(m_folder.Path("again.vtl"), second));
    EXPECT_EQ(first, second);
}

// A file of several 1 MiB chunks, read chunk by chunk and written piece by piece: lines that
// straddle the chunks' ends, and one line longer than two chunks, come back exactly.
TEST_F(ListFileTest, ListsOfManyChunksRoundTripExactly)
{
    CListManager saved;
    DWORD gid = 0;
    DWORD cid = 0;
    CChromatogramData c;
    for (int g = 0; g < 300; ++g) {
        ASSERT_TRUE(saved.AddGroup(CGroupDataHelper(), gid));
        for (int n = 0; n < 150; ++n) {
            c.m_strName = "Trace " + std::to_string(n) + std::string(g % 7, '\t');
            c.m_nFunction = g * 150 + n;
            ASSERT_TRUE(saved.AddChro(c, cid, gid));
        }
        if (g == 150) {
            c.m_strDescription = std::string(1500000, 'x') + AllBytes64K() + std::string(1000000, 'y');
            ASSERT_TRUE(saved.AddChro(c, cid, gid));
            c.m_strDescription.clear();
        }
    }
    const std::string path = m_folder.Path("chunks.vtl");
    ASSERT_TRUE(saved.Save(path.c_str()));
    const std::string bytes = ReadBytes(path);
    ASSERT_GT(bytes.size(), 3u << 20);
    CListManager loaded;
    ASSERT_TRUE(loaded.Load(path.c_str()));
    EXPECT_EQ(Dump(loaded), Dump(saved));
    ASSERT_TRUE(loaded.Save(m_folder.Path("again.vtl").c_str()));
    EXPECT_TRUE(ReadBytes(m_folder.Path("again.vtl")) == bytes);
}

TEST_F(ListFileTest, VersionOneFileReadsAndIdsMoveTheCounterOn)
{
    const std::string path = m_folder.Path("v1.vtl");
    ASSERT_TRUE(WriteBytes(path, kVersion1File));
    CListManager list;
    ASSERT_TRUE(list.Load(path.c_str()));
    EXPECT_EQ(Dump(list), "G 7 3 6[Blanks]12[first\tsecond]0[]7[10.5:12]12/1\n"
                          "C 8 6[TIC F1]17[Total ion current]0[]0[]0[]0/1/11\n"
                          "C 12 7[m/z 301]7[\"q\" \\ p]5[301.1]1[x]6[TIC F1]2/4/20\n"
                          "G 9 0 5[Empty]0[]0[]0[]00/0\n");
    DWORD id = 0;
    ASSERT_TRUE(list.AddGroup(CGroupDataHelper(), id));
    EXPECT_GT(id, 12u);
}

TEST_F(ListFileTest, HighestIdInFileLeavesNoIdsButFailsCleanly)
{
    const std::string path = m_folder.Path("high.vtl");
    ASSERT_TRUE(WriteBytes(path, "VANTRACE-LIST 1\nG\t4294967295\t0\t0\t0\t0\tA\t\t\t\nEND\t1\t0\n"));
    CListManager list;
    ASSERT_TRUE(list.Load(path.c_str()));
    DWORD id = 4294967295u;
    DWORD newId = 5;
    EXPECT_FALSE(list.AddGroup(CGroupDataHelper(), newId));
    EXPECT_FALSE(list.AddChro(CChromatogramData(), newId, id));
    EXPECT_FALSE(list.DuplicateGroup(CGroupDataHelper(), id));
    EXPECT_EQ(newId, 5u);
    int groups = 0, chros = -1;
    list.GetNoGroups(groups);
    list.GetNoChros(4294967295u, chros);
    EXPECT_EQ(groups, 1);
    EXPECT_EQ(chros, 0);
}

TEST_F(ListFileTest, EveryTruncationFailsAndLeavesTheManagerEmpty)
{
    CListManager source;
    FillAwkward(source);
    CGroupDataHelper small;
    small.m_strName = "tail";
    DWORD gid = 0;
    ASSERT_TRUE(source.AddGroup(small, gid));
    std::string whole;
    // A short file, so that every cut can be tried on disk: the awkward list without its 64 KiB field.
    CChromatogramData chro;
    DWORD first = 0;
    ASSERT_TRUE(source.GetGroupOrder(0, gid));
    ASSERT_TRUE(source.GetChroOrder(gid, 0, first));
    ASSERT_TRUE(source.GetChromatogram(gid, first, chro));
    chro.m_strDescription = "d\te";
    ASSERT_TRUE(source.EditChromatogram(gid, first, chro));
    const std::string path = m_folder.Path("cut.vtl");
    ASSERT_TRUE(source.Save(path.c_str()));
    ASSERT_TRUE(ReadBytes(path, whole));
    ASSERT_GT(whole.size(), 100u);

    CListManager list;
    for (size_t length = 0; length < whole.size(); ++length) {
        ASSERT_TRUE(WriteBytes(path, whole.substr(0, length)));
        DWORD id = 0;
        ASSERT_TRUE(list.AddGroup(small, id));   // content the failed load must drop
        EXPECT_FALSE(list.Load(path.c_str())) << "cut at " << length;
        int groups = -1;
        list.GetNoGroups(groups);
        ASSERT_EQ(groups, 0) << "cut at " << length;
    }
    ASSERT_TRUE(WriteBytes(path, whole));
    EXPECT_TRUE(list.Load(path.c_str()));
    EXPECT_EQ(Dump(list), Dump(source));
}

TEST_F(ListFileTest, DamagedFilesAreRefused)
{
    const std::string head = "VANTRACE-LIST 1\n";
    const std::string g1 = "G\t1\t0\t0\t0\t0\tA\t\t\t\n";
    const std::string c2 = "C\t2\t1\t0\t1\t1\tc\t\t\t\t\n";
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"group id 0", head + "G\t0\t0\t0\t0\t0\tA\t\t\t\nEND\t1\t0\n"},
        {"chromatogram id 0", head + g1 + "C\t0\t1\t0\t1\t1\tc\t\t\t\t\nEND\t1\t1\n"},
        {"duplicate group ids", head + g1 + g1 + "END\t2\t0\n"},
        {"duplicate chromatogram ids", head + g1 + c2 + c2 + "END\t1\t2\n"},
        {"id past 32 bits", head + "G\t4294967296\t0\t0\t0\t0\tA\t\t\t\nEND\t1\t0\n"},
        {"newer version", "VANTRACE-LIST 2\n" + g1 + "END\t1\t0\n"},
        {"version 0", "VANTRACE-LIST 0\n" + g1 + "END\t1\t0\n"},
        {"another file", "VANTRACE-LISTS 1\n" + g1 + "END\t1\t0\n"},
        {"chromatogram before any group", head + c2 + g1 + "END\t1\t1\n"},
        {"unknown escape", head + "G\t1\t0\t0\t0\t0\ta\\x\t\t\t\nEND\t1\t0\n"},
        {"backslash last", head + "G\t1\t0\t0\t0\t0\ta\\\t\t\t\nEND\t1\t0\n"},
        {"field missing", head + "G\t1\t0\t0\t0\t0\tA\t\t\nEND\t1\t0\n"},
        {"field too many", head + "G\t1\t0\t0\t0\t0\tA\t\t\t\t\nEND\t1\t0\n"},
        {"many fields too many", head + "G\t1\t0\t0\t0\t0\tA\t\t\t" + std::string(40, '\t') + "\nEND\t1\t0\n"},
        {"a raw line feed's half line", head + "G\t1\t0\t0\t0\t0\tA\t\t\t\n\t\nEND\t1\t0\n"},
        {"flag not 0 or 1", head + "G\t1\t0\t2\t0\t0\tA\t\t\t\nEND\t1\t0\n"},
        {"number with sign", head + "G\t+1\t0\t0\t0\t0\tA\t\t\t\nEND\t1\t0\n"},
        {"signed out of range", head + g1 + "C\t2\t1\t2147483648\t1\t1\tc\t\t\t\t\nEND\t1\t1\n"},
        {"wrong counts", head + g1 + c2 + "END\t1\t2\n"},
        {"bytes after the end", head + g1 + "END\t1\t0\nG\n"},
        {"unknown line", head + g1 + "X\t1\nEND\t1\t0\n"},
        {"binary", std::string("\0\xFF\n\t\\", 5)},
    };
    const std::string path = m_folder.Path("bad.vtl");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        CListManager list;
        DWORD id = 0;
        ASSERT_TRUE(list.AddGroup(CGroupDataHelper(), id));
        EXPECT_FALSE(list.Load(path.c_str()));
        int groups = -1;
        list.GetNoGroups(groups);
        EXPECT_EQ(groups, 0);
    }
    // The same lines, undamaged, do load: the cases fail for their fault alone.
    ASSERT_TRUE(WriteBytes(path, head + g1 + c2 + "END\t1\t1\n"));
    CListManager list;
    EXPECT_TRUE(list.Load(path.c_str()));
    CListManager missing;
    EXPECT_FALSE(missing.Load(m_folder.Path("missing.vtl").c_str()));
    EXPECT_FALSE(missing.Load(nullptr));
}

TEST_F(ListFileTest, SaveReplacesTheFileAndLeavesNoTemporaryFile)
{
    const std::string path = m_folder.Path("list.vtl");
    ASSERT_TRUE(WriteBytes(path, "old content"));
    CListManager list;
    FillAwkward(list);
    ASSERT_TRUE(list.Save(path.c_str()));
    std::string bytes;
    ASSERT_TRUE(ReadBytes(path, bytes));
    EXPECT_EQ(bytes.rfind("VANTRACE-LIST 1\n", 0), 0u);
    EXPECT_EQ(m_folder.Files(), std::vector<std::string>{"list.vtl"});
}

TEST_F(ListFileTest, FailedSavesLeaveTheOldFileAsItWas)
{
    CListManager list;
    FillAwkward(list);
    const std::string old = std::string("old list\r\n\0bytes", 17);

    const std::string readOnly = m_folder.Path("readonly.vtl");
    ASSERT_TRUE(WriteBytes(readOnly, old));
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(list.Save(readOnly.c_str()));
    std::string bytes;
    ASSERT_TRUE(ReadBytes(readOnly, bytes));
    EXPECT_EQ(bytes, old);

    // A file held open by another writer that allows no replacing: the rename fails after
    // the temporary file was written, so that file must go again.
    const std::string held = m_folder.Path("held.vtl");
    ASSERT_TRUE(WriteBytes(held, old));
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(list.Save(held.c_str()));
    CloseHandle(holder);
    ASSERT_TRUE(ReadBytes(held, bytes));
    EXPECT_EQ(bytes, old);
    DeleteFileA(held.c_str());

    // A folder where the file should be.
    const std::string folderTarget = m_folder.Path("folder.vtl");
    ASSERT_TRUE(CreateDirectoryA(folderTarget.c_str(), nullptr));
    EXPECT_FALSE(list.Save(folderTarget.c_str()));
    RemoveDirectoryA(folderTarget.c_str());

    EXPECT_FALSE(list.Save(m_folder.Path("no such folder\\list.vtl").c_str()));
    EXPECT_FALSE(list.Save(""));
    EXPECT_FALSE(list.Save(nullptr));
    EXPECT_EQ(m_folder.Files(), std::vector<std::string>{"readonly.vtl"});
}
}   // namespace
