#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ui {
// What the answerer saw of one modal window it answered.
struct SeenDialog {
    std::string caption;
    std::string text;     // the texts of its static controls, joined by "\n"
    UINT iconStyle = 0;   // MB_ICON* of a message box, when one could be told
};

// Answers real modal dialogs and message boxes from a second thread, as a user would: it
// waits for each expected window in turn (found by caption, a top-level dialog of this
// process or of the one given), runs an optional action on it (typing into its controls),
// and presses a button. The test thread meanwhile runs the code that shows the window.
// AnswerAll instead answers whatever dialog shows until Finish.
class DialogAnswerer {
public:
    using Action = std::function<void(HWND dialog)>;

    explicit DialogAnswerer(DWORD processId = GetCurrentProcessId()) : m_processId(processId) {}
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    ~DialogAnswerer();

    // Queues one window: wait for caption, run action, press buttonId (IDOK, IDYES, ...).
    // A buttonId of 0 presses nothing (the action closes the window itself).
    DialogAnswerer& Expect(const std::string& caption, int buttonId, Action action = {});
    // Starts answering; Expect calls made before Start are answered in order.
    void Start(DWORD timeoutMs = 10000);
    // Starts answering every dialog that shows (each kept once in what it saw) as a user who
    // reads it and presses OK (or No, or Cancel, when there is no OK), until Finish.
    void AnswerAll();
    // Waits for the thread (stops AnswerAll); returns what it answered (fewer than expected
    // on a time-out).
    std::vector<SeenDialog> Finish();
    // What it has answered so far.
    std::vector<SeenDialog> Seen();

private:
    struct Expectation {
        std::string caption;
        int buttonId;
        Action action;
    };
    void Run(DWORD timeoutMs);
    void RunAll();

    DWORD m_processId;
    std::atomic<bool> m_stop{false};
    std::vector<Expectation> m_expected;
    std::vector<SeenDialog> m_seen;
    std::thread m_thread;
    std::mutex m_mutex;
};

// Finds a visible top-level dialog window of a process by caption; nullptr when none.
HWND FindDialog(const std::string& caption, DWORD processId = GetCurrentProcessId());
// Cancels and closes every visible dialog window of a process without waiting for it (nothing
// is sent to a busy thread); the number there was.
int CloseDialogs(DWORD processId = GetCurrentProcessId());
// The joined texts of a window's static controls.
std::string StaticTexts(HWND dialog);
// Presses a dialog's button as a click would.
void PressButton(HWND dialog, int buttonId);
// An action that types a path into a file dialog's name box; the answerer then presses its button.
DialogAnswerer::Action TypeFileName(const std::string& path);
}   // namespace ui
