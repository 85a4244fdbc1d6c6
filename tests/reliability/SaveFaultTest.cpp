// Saves that fail or are cut short: a killed save leaves the old or the new file whole, and a
// refused save leaves the old file byte for byte and says so.
#include "ChildProcess.h"
#include "SampleLists.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
const int kGroups = 300;
const int kChros = 30;

std::string Bytes(int seed, int groups, int chros)
{
    CListManager lists;
    SampleLists::Build(lists, seed, groups, chros);
    std::string bytes;
    EXPECT_TRUE(SampleLists::FileBytes(lists, bytes));
    return bytes;
}

// How many kill moments the test tries (VT_SAVE_KILLS overrides it for longer runs).
int KillCount()
{
    const char* value = std::getenv("VT_SAVE_KILLS");
    const int count = value ? std::atoi(value) : 0;
    return count > 0 ? count : 100;
}
}   // namespace

TEST(SaveUnderFaults, AKilledSaveLeavesTheOldOrTheNewFileWhole)
{
    const std::string old = Bytes(0, 20, 3);
    const std::string first = Bytes(1, kGroups, kChros);
    const std::string second = Bytes(2, kGroups, kChros);
    ASSERT_NE(first, second);

    // The span the kill moments cover: about two saves of the large list, timed here.
    Folder timing;
    CListManager large;
    SampleLists::Build(large, 1, kGroups, kChros);
    const DWORD start = GetTickCount();
    ASSERT_TRUE(large.Save(timing.Path("t.vtl").c_str()));
    ASSERT_TRUE(large.Save(timing.Path("t.vtl").c_str()));
    const DWORD span = GetTickCount() - start + 10;

    // One folder; the kills go to two targets by turns, beside a temporary file that is not
    // the tool's (named as the system's temporary files are).
    Folder folder;
    const std::string targets[2] = {folder.Path("list.vtl"), folder.Path("other.vtl")};
    const std::string foreign = folder.Path("vtl1A2B.tmp");
    ASSERT_TRUE(SampleLists::WriteFileBytes(foreign, "not ours"));
    const int kills = KillCount();
    int keptOld = 0;
    int keptNew = 0;
    int left[2] = {0, 0};
    for (int i = 0; i < kills; ++i) {
        const std::string& path = targets[i % 2];
        ASSERT_TRUE(SampleLists::WriteFileBytes(path, old));
        const size_t filesBefore = folder.Files().size();
        NamedEvent ready("vtrel.save");
        ChildProcess child;
        ASSERT_TRUE(child.Start("reliability_child.exe", "save \"" + path + "\" " + ready.Name() + " "
                                                             + std::to_string(kGroups) + " " + std::to_string(kChros)));
        ASSERT_TRUE(ready.Wait(30000));
        Sleep(span * i / kills);
        ASSERT_TRUE(child.Kill());

        std::string now;
        ASSERT_TRUE(SampleLists::ReadFileBytes(path, now)) << "kill " << i << ": the list file is missing";
        ASSERT_TRUE(now == old || now == first || now == second)
            << "kill " << i << " after " << span * i / kills << " ms: " << now.size() << " bytes, neither file";
        CListManager loaded;
        EXPECT_TRUE(loaded.Load(path.c_str()));
        (now == old ? keptOld : keptNew)++;
        left[i % 2] += static_cast<int>(folder.Files().size() - filesBefore);
    }
    std::printf("%d kills over %lu ms: old file kept %d times, a new file whole %d times; "
                "%d temporary files left by killed saves\n",
                kills, static_cast<unsigned long>(span), keptOld, keptNew, left[0] + left[1]);

    // The next save of a target removes what killed saves of that target left, and only that.
    ASSERT_TRUE(large.Save(targets[0].c_str()));
    EXPECT_EQ(folder.Files().size(), 3u + left[1]);
    ASSERT_TRUE(large.Save(targets[1].c_str()));
    EXPECT_EQ(folder.Files().size(), 3u);
}

TEST(SaveUnderFaults, ARefusedSaveLeavesTheOldFileAndReturnsFalse)
{
    const std::string old = Bytes(0, 5, 2);
    CListManager lists;
    SampleLists::Build(lists, 1, 50, 5);
    std::string now;

    Folder readOnly;
    const std::string locked = readOnly.Path("locked.vtl");
    ASSERT_TRUE(SampleLists::WriteFileBytes(locked, old));
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(lists.Save(locked.c_str()));
    EXPECT_TRUE(SampleLists::ReadFileBytes(locked, now) && now == old) << "read-only target changed";
    EXPECT_EQ(readOnly.Files().size(), 1u) << "a temporary file was left";

    Folder parent;
    const std::string missing = parent.Path("no such folder\\list.vtl");
    EXPECT_FALSE(lists.Save(missing.c_str()));
    EXPECT_EQ(GetFileAttributesA(parent.Path("no such folder").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(parent.Files().empty());

    Folder held;
    const std::string busy = held.Path("busy.vtl");
    ASSERT_TRUE(SampleLists::WriteFileBytes(busy, old));
    NamedEvent ready("vtrel.hold");
    NamedEvent release("vtrel.release");
    ChildProcess holder;
    ASSERT_TRUE(holder.Start("reliability_child.exe", "hold \"" + busy + "\" " + ready.Name() + " " + release.Name()));
    ASSERT_TRUE(ready.Wait(30000));
    EXPECT_FALSE(lists.Save(busy.c_str()));
    release.Set();
    DWORD exitCode = 1;
    ASSERT_TRUE(holder.Wait(30000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(SampleLists::ReadFileBytes(busy, now) && now == old) << "file held by another process changed";
    EXPECT_EQ(held.Files().size(), 1u) << "a temporary file was left";

    // Once the other process lets go, the same save goes through.
    EXPECT_TRUE(lists.Save(busy.c_str()));
    EXPECT_TRUE(SampleLists::ReadFileBytes(busy, now) && now != old);
}
