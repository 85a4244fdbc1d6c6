#pragma once

#include <windows.h>

// Holds the single-instance mutex "VantraceMutex" for the life of the running instance.
// Released and closed by the application's exit, or at process end if still held.
class CInstanceMutex {
public:
    CInstanceMutex() = default;
    CInstanceMutex(const CInstanceMutex&) = delete;
    CInstanceMutex& operator=(const CInstanceMutex&) = delete;
    ~CInstanceMutex() { Release(); }

    void Set(HANDLE mutex) { m_hMutex = mutex; }
    HANDLE Get() const { return m_hMutex; }
    // ReleaseMutex (which fails harmlessly when another instance owns it), then close.
    void Release();

private:
    HANDLE m_hMutex = nullptr;
};
