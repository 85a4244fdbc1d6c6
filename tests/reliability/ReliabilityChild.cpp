// The other process of the reliability tests.
//   reliability_child save <path> <ready event> <groups> <chromatograms per group>
//       saves two different lists over <path> by turns until it is killed (or 10,000 saves)
//   reliability_child hold <path> <ready event> <release event>
//       holds <path> open without sharing until the release event is set (at most 60 s)
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
    if (argc == 5 && std::strcmp(argv[1], "hold") == 0)
        return Hold(argv[2], argv[3], argv[4]);
    return 1;
}
