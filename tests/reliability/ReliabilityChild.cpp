// The other process of the reliability tests.
//   reliability_child save <path> <ready event> <groups> <chromatograms per group>
//       saves two different lists over <path> by turns until it is killed (or 10,000 saves)
//   reliability_child recover <folder> <ready event> <groups> <chromatograms per group>
//       writes its recovery file in folder, of two different lists by turns, through the
//       tool's recovery writer, until it is killed (or 10,000 writes)
//   reliability_child hold <path> <ready event> <release event>
//       holds <path> open without sharing until the release event is set (at most 60 s)
#include "CRecoveryWriter.h"
#include "SampleLists.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {
int SaveByTurns(const char* path, const char* ready, int groups, int chros)
{
    CListManager first;
    CListManager second;
    SampleLists::Build(first, 1, groups, chros);
    SampleLists::Build(second, 2, groups, chros);
    HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, ready);
    if (!event)
        return 2;
    SetEvent(event);
    for (int i = 0; i < 10000; ++i) {
        if (!(i % 2 ? second : first).Save(path))
            return 3;
    }
    return 0;
}

int RecoverByTurns(const char* folder, const char* ready, int groups, int chros)
{
    CListManager lists[2];
    SampleLists::Build(lists[0], 1, groups, chros);
    SampleLists::Build(lists[1], 2, groups, chros);
    int turn = 0;
    CRecoveryStore store(folder);
    CRecoveryWriter writer(store, [&](std::string& bytes) {
        CRecoveryStore::Compose(store.OwnHeader("", "list.vtl"), lists[turn++ % 2], bytes);
        return true;
    });
    HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, ready);
    for (int i = 0; event && SetEvent(event) && i < 10000; ++i) {
        writer.SnapshotNow();
        if (!writer.Drain())
            return 3;
    }
    return event ? 0 : 2;
}

int Hold(const char* path, const char* ready, const char* release)
{
    HANDLE file =
        CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE readyEvent = OpenEventA(EVENT_MODIFY_STATE, FALSE, ready);
    HANDLE releaseEvent = OpenEventA(SYNCHRONIZE, FALSE, release);
    if (file == INVALID_HANDLE_VALUE || !readyEvent || !releaseEvent)
        return 2;
    SetEvent(readyEvent);
    WaitForSingleObject(releaseEvent, 60000);
    CloseHandle(file);
    return 0;
}
}   // namespace

int main(int argc, char** argv)
{
    if (argc == 6 && std::strcmp(argv[1], "save") == 0)
        return SaveByTurns(argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]));
    if (argc == 6 && std::strcmp(argv[1], "recover") == 0)
        return RecoverByTurns(argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]));
    if (argc == 5 && std::strcmp(argv[1], "hold") == 0)
        return Hold(argv[2], argv[3], argv[4]);
    return 1;
}
