#pragma once

#include "CStopwatch.h"

#include <windows.h>

#include <atomic>
#include <thread>

// Waits on its own thread for the paste preview, notes when it shows, and presses a button
// of it (OK adds the rows, Cancel adds nothing).
class CPreviewPresser {
public:
    explicit CPreviewPresser(const CStopwatch& clock, int button = IDOK)
        : m_thread([this, &clock, button] {
              for (int wait = 0; wait < 60000 && !m_shownMs; ++wait) {
                  HWND dialog = FindWindowA(nullptr, "Paste Chromatograms");
                  if (dialog && IsWindowVisible(dialog)) {
                      m_shownMs = clock.ElapsedMs();
                      m_okMs = clock.ElapsedMs();
                      PostMessageA(dialog, WM_COMMAND, button, 0);
                      return;
                  }
                  Sleep(1);
              }
          })
    {
    }
    ~CPreviewPresser() { m_thread.join(); }
    CPreviewPresser(const CPreviewPresser&) = delete;
    CPreviewPresser& operator=(const CPreviewPresser&) = delete;

    std::atomic<double> m_shownMs{0};   // when the preview showed, on the clock given
    std::atomic<double> m_okMs{0};      // when its button was pressed

private:
    std::thread m_thread;
};
