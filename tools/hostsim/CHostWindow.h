#pragma once

#include "CReceivedList.h"

#include <windows.h>

class CCommandLog;
class CToolLink;

// The simulated host's chromatogram window (class "ChroWClass"): logs every display
// command it receives, shows it in a live list, answers, refuses or hangs as told, and
// drives the tool from its buttons.
class CHostWindow {
public:
    CHostWindow(CCommandLog& log, CToolLink& tool, DWORD closeTimeoutMs);
    bool Create();
    HWND GetHwnd() const { return m_hWnd; }

    void SetRefuse(bool refuse);
    void SetHang(bool hang, DWORD hangMs);
    // Closes the tool (if any), waits for it to end, then destroys this window.
    // False when the tool did not end in time.
    bool CloseTool();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCopyData(const COPYDATASTRUCT* data);
    void OnCreate();
    void OnButton(int id);
    void OnSize(int width, int height);

    CCommandLog& m_log;
    CToolLink& m_tool;
    DWORD m_dwCloseTimeoutMs;
    HWND m_hWnd = nullptr;
    CReceivedList m_received;
    bool m_bRefuse = false;
    bool m_bHang = false;
    DWORD m_dwHangMs = 0;
};
