#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A real top-level "ChroWClass" window on the test's thread that records every
// WM_COPYDATA it receives and answers with a chosen result.
class TestHostWindow {
public:
    struct Received {
        WPARAM wParam = 0;
        ULONG_PTR tag = 0;
        DWORD size = 0;
        std::string text;          // up to the first NUL within size
        bool terminated = false;   // the last byte of the data is a NUL
    };

    explicit TestHostWindow(HWND parent = nullptr);
    ~TestHostWindow();
    TestHostWindow(const TestHostWindow&) = delete;
    TestHostWindow& operator=(const TestHostWindow&) = delete;

    HWND GetHwnd() const { return m_hWnd; }
    void SetAnswer(LRESULT answer) { m_answer = answer; }
    const std::vector<Received>& GetReceived() const { return m_received; }
    // The received texts in order.
    std::vector<std::string> Texts() const;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    LRESULT m_answer = 1;
    std::vector<Received> m_received;
};
