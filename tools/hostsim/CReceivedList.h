#pragma once

#include <windows.h>

#include <string>

// The host window's live list of the display commands it received: one row each, with the
// time it arrived, how the host answered (accepted, refused or hung) and the command as the
// log writes it. A list box with tab stops, so that another process can read its rows.
class CReceivedList {
public:
    enum Outcome { Accepted, Refused, Hung };

    bool Create(HWND parent, int id);
    void Move(const RECT& rect) const;
    // Adds a row and shows it at once (a hang follows before the window paints again).
    void Add(const std::string& line, Outcome outcome) const;
    void Clear() const;

    // "hh:mm:ss.mmm<tab>outcome<tab>line".
    static std::string Row(const SYSTEMTIME& time, Outcome outcome, const std::string& line);

private:
    HWND m_hWnd = nullptr;
};
