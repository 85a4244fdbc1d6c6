#pragma once

#include <windows.h>

class CWnd;

// Which object is attached to which window, for every window the framework owns. Looking a
// window up here is a memory read; a window property would cost a trip to the window
// manager on every message, and controls see many messages per list row.
class CHandleMap {
public:
    static void Add(HWND hwnd, CWnd* wnd);
    static void Remove(HWND hwnd);
    // The object attached to hwnd, or nullptr.
    static CWnd* Find(HWND hwnd);
};
