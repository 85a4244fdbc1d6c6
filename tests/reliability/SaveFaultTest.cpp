// Saves that fail or are cut short: a killed save leaves the old or the new file whole, and a
// refused save leaves the old file byte for byte and says so. Recovery files: read back whole
// or refused, offered only for processes that ended, and a process killed while writing its
// recovery file leaves a whole list or none.
#include "CFileStamp.h"
#include "CRecoveryStore.h"
#include "ChildProcess.h"
#include "SampleLists.h"
#include "FileBytes.h"
#include "TempFolder.h"

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
    TempFolder timing;
    CListManager large;
    SampleLists::Build(large, 1, kGroups, kChros);
    const DWORD start = GetTickCount();
    ASSERT_TRUE(large.Save(timing.Path("t.vtl").c_str()));
    ASSERT_TRUE(large.Save(timing.Path("t.vtl").c_str()));
    const DWORD span = GetTickCount() - start + 10;

    // One folder; the kills go to two targets by turns, beside a temporary file that is not
    // the tool's (named as the system's temporary files are).
    TempFolder folder;
    const std::string targets[2] = {folder.Path("list.vtl"), folder.Path("other.vtl")};
    const std::string foreign = folder.Path("vtl1A2B.tmp");
    ASSERT_TRUE(WriteBytes(foreign, "not ours"));
    const int kills = KillCount();
    int keptOld = 0;
    int keptNew = 0;
    int left[2] = {0, 0};
    for (int i = 0; i < kills; ++i) {
        const std::string& path = targets[i % 2];
        ASSERT_TRUE(WriteBytes(path, old));
        const size_t filesBefore = folder.Files().size();
        NamedEvent ready("vtrel.save");
        ChildProcess child;
        ASSERT_TRUE(child.Start("reliability_child.exe", "save \"" + path + "\" " + ready.Name() + " "
                                                             + std::to_string(kGroups) + " " + std::to_string(kChros)));
        ASSERT_TRUE(ready.Wait(30000));
        Sleep(span * i / kills);
        ASSERT_TRUE(child.Kill());

        std::string now;
        ASSERT_TRUE(ReadBytes(path, now)) << "kill " << i << ": the list file is missing";
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

    TempFolder readOnly;
    const std::string locked = readOnly.Path("locked.vtl");
    ASSERT_TRUE(WriteBytes(locked, old));
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(lists.Save(locked.c_str()));
    EXPECT_TRUE(ReadBytes(locked, now) && now == old) << "read-only target changed";
    EXPECT_EQ(readOnly.Files().size(), 1u) << "a temporary file was left";

    TempFolder parent;
    const std::string missing = parent.Path("no such folder\\list.vtl");
    EXPECT_FALSE(lists.Save(missing.c_str()));
    EXPECT_EQ(GetFileAttributesA(parent.Path("no such folder").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(parent.Files().empty());

    TempFolder held;
    const std::string busy = held.Path("busy.vtl");
    ASSERT_TRUE(WriteBytes(busy, old));
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
    EXPECT_TRUE(ReadBytes(busy, now) && now == old) << "file held by another process changed";
    EXPECT_EQ(held.Files().size(), 1u) << "a temporary file was left";

    // Once the other process lets go, the same save goes through.
    EXPECT_TRUE(lists.Save(busy.c_str()));
    EXPECT_TRUE(ReadBytes(busy, now) && now != old);
}

namespace {
std::string ListBytes(const CListManager& list)
{
    std::string bytes;
    list.AppendBytes(bytes);
    return bytes;
}

// Writes the recovery file of a process (id, start) into folder.
std::string WriteFor(const TempFolder& folder, DWORD id, std::uint64_t start, std::uint64_t time, const CListManager& list)
{
    std::string bytes;
    CRecoveryStore::Compose({"C:\\a\tb\\list.vtl", "list.vtl", id, start, time}, list, bytes);
    EXPECT_TRUE(WriteBytes(folder.Path(CRecoveryStore::FileName(id, start)), bytes));
    return folder.Path(CRecoveryStore::FileName(id, start));
}
}   // namespace

TEST(RecoveryFiles, ReadBackWholeOrRefusedAndOfferedOnlyForEndedProcessesNewestFirst)
{
    TempFolder folder;
    CRecoveryStore store(folder.Path(""));
    CListManager list;
    SampleLists::Build(list, 3, 20, 4);
    // This process's own file is never offered; one with its id but another start time (an
    // ended process whose id was reused) is, and so is one of an id no process has.
    WriteFor(folder, GetCurrentProcessId(), CRecoveryStore::OwnStartTime(), 100, list);
    const std::string reused = WriteFor(folder, GetCurrentProcessId(), CRecoveryStore::OwnStartTime() + 1, 200, list);
    const std::string gone = WriteFor(folder, 0x7FFFFFF0, 5, 300, list);
    std::vector<SRecoveryFile> orphans = store.ListOrphans();
    ASSERT_EQ(orphans.size(), 2u);
    EXPECT_TRUE(orphans[0].path == gone && orphans[1].path == reused && !orphans[0].damaged);
    EXPECT_EQ(orphans[0].header.listPath, "C:\\a\tb\\list.vtl");

    SRecoveryHeader header;
    CListManager loaded;
    ASSERT_TRUE(CRecoveryStore::Read(gone, header, loaded));
    EXPECT_EQ(ListBytes(loaded), ListBytes(list));
    EXPECT_EQ(header.listName, "list.vtl");

    // A file cut short, or with a header byte changed, is refused and leaves nothing loaded.
    std::string whole;
    ASSERT_TRUE(ReadBytes(gone, whole));
    std::string changed = whole;
    changed[changed.find("PROCESS") + 8] = 'x';
    for (const std::string& damaged : {whole.substr(0, 40), whole.substr(0, whole.size() - 1), changed}) {
        ASSERT_TRUE(WriteBytes(gone, damaged));
        int groups = -1;
        EXPECT_FALSE(CRecoveryStore::Read(gone, header, loaded));
        EXPECT_TRUE(loaded.GetNoGroups(groups) && groups == 0);
    }
    // A damaged header gives no time: the file's own (now) puts it first.
    orphans = store.ListOrphans();
    EXPECT_TRUE(orphans.size() == 2 && orphans[0].damaged && orphans[0].path == gone);
}

TEST(RecoveryFiles, AKilledRecoveryWriteLeavesAWholeListOrNone)
{
    const int kills = 100;
    CListManager lists[2];
    SampleLists::Build(lists[0], 1, 300, 30);
    SampleLists::Build(lists[1], 2, 300, 30);
    const std::string expected[2] = {ListBytes(lists[0]), ListBytes(lists[1])};
    TempFolder folder;
    const CRecoveryStore store(folder.Path(""));
    // The kill moments cover about three snapshots and writes of the list, timed here.
    std::string bytes;
    const DWORD start = GetTickCount();
    for (int i = 0; i < 3; ++i) {
        CRecoveryStore::Compose(store.OwnHeader("", ""), lists[i % 2], bytes);
        ASSERT_TRUE(store.WriteOwn(bytes) && store.RemoveOwn());
    }
    const DWORD span = GetTickCount() - start + 10;

    const std::string& path = folder.Folder();
    int whole = 0;
    int none = 0;
    for (int i = 0; i < kills; ++i) {
        NamedEvent ready("vtrel.recover");
        ChildProcess child;
        ASSERT_TRUE(child.Start("reliability_child.exe", "recover \"" + path + "\" " + ready.Name() + " 300 30"));
        ASSERT_TRUE(ready.Wait(30000));
        Sleep(span * i / kills);
        ASSERT_TRUE(child.Kill());

        const std::vector<SRecoveryFile> orphans = store.ListOrphans();
        ASSERT_LE(orphans.size(), 1u);
        if (orphans.empty()) {
            ++none;
            continue;
        }
        SRecoveryHeader header;
        CListManager loaded;
        ASSERT_TRUE(CRecoveryStore::Read(orphans[0].path, header, loaded)) << "kill " << i << ": damaged";
        const std::string got = ListBytes(loaded);
        EXPECT_TRUE(got == expected[0] || got == expected[1]) << "kill " << i;
        ++whole;
        CRecoveryStore::Remove(orphans[0].path);
    }
    std::printf("%d kills over %lu ms: a whole list %d times, none %d times\n", kills,
                static_cast<unsigned long>(span), whole, none);
    // Listing removed what the killed writes left half-written.
    EXPECT_TRUE(folder.Files().empty());
}

// Same size and time but other bytes: only the deep look sees it; a file gone has nothing to replace.
TEST(FileStamp, TellsAChangeOfTheSameSizeAndTimeOnlyByItsBytes)
{
    TempFolder folder;
    const std::string path = folder.Path("list.vtl");
    ASSERT_TRUE(WriteBytes(path, "first content"));
    CFileStamp stamp;
    ASSERT_TRUE(stamp.Take(path));
    WIN32_FILE_ATTRIBUTE_DATA before{};
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &before));
    ASSERT_TRUE(WriteBytes(path, "other content"));
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &before.ftLastWriteTime) && CloseHandle(file));
    EXPECT_FALSE(stamp.Changed(path, false));
    EXPECT_TRUE(stamp.Changed(path, true));
    ASSERT_TRUE(DeleteFileA(path.c_str()));
    EXPECT_FALSE(stamp.Changed(path, true));
}
