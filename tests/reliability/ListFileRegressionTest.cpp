// The fuzzer's seed files and every input that once made the list file reader fail, read
// through the list manager under Windows: seeds load and round-trip, the rest load whole or
// fail cleanly.
#include "SampleLists.h"
#include "FileBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> paths;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return paths;
    do {
        const std::string name = found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "README.md")
            paths.push_back(folder + "\\" + name);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return paths;
}

int Groups(const CListManager& lists)
{
    int count = -1;
    lists.GetNoGroups(count);
    return count;
}

// Saves the list and loads it back; true when the second save writes the same bytes.
bool RoundTrips(const CListManager& lists)
{
    std::string written;
    if (!SampleLists::FileBytes(lists, written))
        return false;
    char folder[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "vtr", 0, path);
    CListManager again;
    std::string rewritten;
    const bool ok = WriteBytes(path, written) && again.Load(path)
                    && SampleLists::FileBytes(again, rewritten) && rewritten == written;
    DeleteFileA(path);
    return ok;
}
}   // namespace

TEST(ListFileInputs, EverySeedFileLoadsAndRoundTrips)
{
    const std::vector<std::string> seeds = FilesIn(VT_FUZZ_DIR "\\corpus");
    ASSERT_GE(seeds.size(), 5u) << "seed files not found under " VT_FUZZ_DIR;
    for (const std::string& path : seeds) {
        CListManager lists;
        EXPECT_TRUE(lists.Load(path.c_str())) << path;
        EXPECT_TRUE(RoundTrips(lists)) << path;
    }
}

TEST(ListFileInputs, EveryRegressionInputLoadsWholeOrFailsCleanly)
{
    for (const std::string& path : FilesIn(VT_FUZZ_DIR "\\regressions")) {
        CListManager lists;
        if (lists.Load(path.c_str())) {
            EXPECT_TRUE(RoundTrips(lists)) << path;
        } else {
            EXPECT_EQ(Groups(lists), 0) << path << ": a refused file left groups behind";
        }
        // The manager stays usable either way.
        CGroupDataHelper group;
        DWORD id = 0;
        EXPECT_TRUE(lists.AddGroup(group, id) && id != 0) << path;
    }
}

// A file cut short anywhere, as by a full disk or a copy that stopped, is refused whole.
TEST(ListFileInputs, EveryCutOfASeedFileIsRefused)
{
    char folder[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "vtc", 0, path);
    int cuts = 0;
    for (const std::string& seed : FilesIn(VT_FUZZ_DIR "\\corpus")) {
        std::string bytes;
        ASSERT_TRUE(ReadBytes(seed, bytes));
        for (size_t length = 0; length < bytes.size(); ++length, ++cuts) {
            ASSERT_TRUE(WriteBytes(path, bytes.substr(0, length)));
            CListManager lists;
            EXPECT_FALSE(lists.Load(path)) << seed << " cut to " << length;
            EXPECT_EQ(Groups(lists), 0);
        }
    }
    DeleteFileA(path);
    EXPECT_GT(cuts, 500);
}
