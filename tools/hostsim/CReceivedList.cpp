#include "CReceivedList.h"

#include <cstdio>

bool CReceivedList::Create(HWND parent, int id)
{
    m_hWnd = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", nullptr,
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS | LBS_NOSEL, 0,
                             0, 0, 0, parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleA(nullptr), nullptr);
    if (!m_hWnd)
        return false;
    SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    // Tab stops in dialog units: the time, then the outcome, then the command.
    const int stops[] = {60, 100};
    SendMessageA(m_hWnd, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(stops));
    return true;
}

void CReceivedList::Move(const RECT& rect) const
{
    MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void CReceivedList::Add(const std::string& line, Outcome outcome) const
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string text = Row(now, outcome, line);
    const LRESULT row = SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (row >= 0)
        SendMessageA(m_hWnd, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    UpdateWindow(m_hWnd);
}

void CReceivedList::Clear() const
{
    SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
}

std::string CReceivedList::Row(const SYSTEMTIME& time, Outcome outcome, const std::string& line)
{
    static const char* const kOutcomes[] = {"accepted", "refused", "hung"};
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02u:%02u:%02u.%03u\t", time.wHour, time.wMinute, time.wSecond,
                  time.wMilliseconds);
    return stamp + std::string(kOutcomes[outcome]) + "\t" + line;
}
