#include "CHandleMap.h"

#include <unordered_map>

namespace {
// Windows may be created on any thread, so the map is shared and locked; nothing is called
// while the lock is held.
SRWLOCK g_lock = SRWLOCK_INIT;

// Never destroyed: windows may still be destroyed by static objects' destructors at exit.
std::unordered_map<HWND, CWnd*>& Map()
{
    static auto* map = new std::unordered_map<HWND, CWnd*>;
    return *map;
}
}   // namespace

void CHandleMap::Add(HWND hwnd, CWnd* wnd)
{
    AcquireSRWLockExclusive(&g_lock);
    Map()[hwnd] = wnd;
    ReleaseSRWLockExclusive(&g_lock);
}

void CHandleMap::Remove(HWND hwnd)
{
    AcquireSRWLockExclusive(&g_lock);
    Map().erase(hwnd);
    ReleaseSRWLockExclusive(&g_lock);
}

CWnd* CHandleMap::Find(HWND hwnd)
{
    AcquireSRWLockShared(&g_lock);
    const auto& map = Map();
    const auto found = map.find(hwnd);
    CWnd* wnd = found == map.end() ? nullptr : found->second;
    ReleaseSRWLockShared(&g_lock);
    return wnd;
}
