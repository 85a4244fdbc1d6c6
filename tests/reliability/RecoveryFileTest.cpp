// Recovery files: read back whole or refused, offered only for processes that ended, and a
// process killed while writing its recovery file leaves a whole list or none.
#include "CFileStamp.h"
#include "CRecoveryStore.h"
#include "ChildProcess.h"
#include "SampleLists.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {
std::string ListBytes(const CListManager& list)
{
    std::string bytes;
    list.AppendBytes(bytes);
    return bytes;
}

// Writes a recovery file for another process (id, start) of the list into folder.
std::string WriteFor(const Folder& folder, DWORD id, std::uint64_t start, std::uint64_t time, const CListManager& list)
{
    SRecoveryHeader header{"C:\\a\tb\\list.vtl", "list.vtl", id, start, time};
    std::string bytes;
    CRecoveryStore::Compose(header, list, bytes);
    const std::string path = folder.Path(CRecoveryStore::FileName(id, start));
    EXPECT_TRUE(SampleLists::WriteFileBytes(path, bytes));
    return path;
}
}   // namespace

TEST(RecoveryFiles, ReadBackWholeOrRefusedAndOfferedOnlyForEndedProcessesNewestFirst)
{
    Folder folder;
    CRecoveryStore store(folder.Path(""));
    CListManager list;
    SampleLists::Build(list, 3, 20, 4);
    const std::uint64_t own = CRecoveryStore::OwnStartTime();
    const DWORD self = GetCurrentProcessId();

    // This process's own file is never offered; one with its id but another start time (an
    // ended process whose id was reused) is, and so is one of an id no process has.
    std::string bytes;
    CRecoveryStore::Compose(store.OwnHeader("", "Untitled.vtl"), list, bytes);
    ASSERT_TRUE(store.WriteOwn(bytes));
    const std::string reused = WriteFor(folder, self, own + 1, 200, list);
    const std::string gone = WriteFor(folder, 0x7FFFFFF0, 5, 300, list);
    std::vector<SRecoveryFile> orphans = store.ListOrphans();
    ASSERT_EQ(orphans.size(), 2u);
    EXPECT_EQ(orphans[0].path, gone);
    EXPECT_EQ(orphans[1].path, reused);
    EXPECT_FALSE(orphans[0].damaged);
    EXPECT_EQ(orphans[0].header.listPath, "C:\\a\tb\\list.vtl");

    SRecoveryHeader header;
    CListManager loaded;
    ASSERT_TRUE(CRecoveryStore::Read(gone, header, loaded));
    EXPECT_EQ(ListBytes(loaded), ListBytes(list));
    EXPECT_EQ(header.listName, "list.vtl");
    EXPECT_EQ(header.processId, 0x7FFFFFF0u);

    // Any cut, and a header byte changed, is refused and leaves nothing loaded.
    std::string whole;
    ASSERT_TRUE(SampleLists::ReadFileBytes(gone, whole));
    for (size_t cut : {size_t(0), size_t(10), size_t(40), whole.size() / 2, whole.size() - 1}) {
        ASSERT_TRUE(SampleLists::WriteFileBytes(gone, whole.substr(0, cut)));
        EXPECT_FALSE(CRecoveryStore::Read(gone, header, loaded)) << cut;
        int groups = -1;
        EXPECT_TRUE(loaded.GetNoGroups(groups) && groups == 0) << cut;
    }
    std::string changed = whole;
    changed[changed.find("PROCESS") + 8] = 'x';
    ASSERT_TRUE(SampleLists::WriteFileBytes(gone, changed));
    EXPECT_FALSE(CRecoveryStore::Read(gone, header, loaded));
    orphans = store.ListOrphans();
    ASSERT_EQ(orphans.size(), 2u);
    // A damaged header gives no time: the file's own (now) puts it first.
    EXPECT_TRUE(orphans[0].damaged && orphans[0].path == gone);

    EXPECT_TRUE(CRecoveryStore::Remove(gone));
    EXPECT_TRUE(store.RemoveOwn());
    EXPECT_TRUE(CRecoveryStore::Remove(reused));
    EXPECT_TRUE(folder.Files().empty());
}

TEST(RecoveryFiles, AKilledRecoveryWriteLeavesAWholeListOrNone)
{
    const int kills = 100;
    CListManager lists[2];
    SampleLists::Build(lists[0], 1, 300, 30);
    SampleLists::Build(lists[1], 2, 300, 30);
    const std::string expected[2] = {ListBytes(lists[0]), ListBytes(lists[1])};
    Folder folder;
    const CRecoveryStore store(folder.Path(""));
    // The kill moments cover about three snapshots and writes of the list, timed here.
    std::string bytes;
    const DWORD start = GetTickCount();
    for (int i = 0; i < 3; ++i) {
        CRecoveryStore::Compose(store.OwnHeader("", ""), lists[i % 2], bytes);
        ASSERT_TRUE(store.WriteOwn(bytes));
    }
    ASSERT_TRUE(store.RemoveOwn());
    const DWORD span = GetTickCount() - start + 10;

    std::string path = folder.Path("");
    path.pop_back();   // a backslash before the closing quote would escape it
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

TEST(FileStamp, TellsAnotherWritersChangeBySizeTimeOrContent)
{
    Folder folder;
    const std::string path = folder.Path("list.vtl");
    ASSERT_TRUE(SampleLists::WriteFileBytes(path, "first content"));
    CFileStamp stamp;
    EXPECT_FALSE(stamp.Changed(path, true)) << "no stamp yet";
    ASSERT_TRUE(stamp.Take(path));
    EXPECT_FALSE(stamp.Changed(path, true));

    // Same size and time, other bytes: only the deep look sees it.
    WIN32_FILE_ATTRIBUTE_DATA before{};
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &before));
    ASSERT_TRUE(SampleLists::WriteFileBytes(path, "other content"));
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SetFileTime(file, nullptr, nullptr, &before.ftLastWriteTime);
    CloseHandle(file);
    EXPECT_FALSE(stamp.Changed(path, false));
    EXPECT_TRUE(stamp.Changed(path, true));

    ASSERT_TRUE(SampleLists::WriteFileBytes(path, "longer other content"));
    EXPECT_TRUE(stamp.Changed(path, false));
    ASSERT_TRUE(DeleteFileA(path.c_str()));
    EXPECT_FALSE(stamp.Changed(path, true)) << "a file that is gone has nothing to replace";
}
