#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ui {
// What the answerer saw of one modal window it answered.
struct SeenDialog {
    std::string caption;
    std::string text;    // the texts of its static controls, joined by "\n"
    UINT iconStyle = 0;  // MB_ICON* of a message box, when one could be told
};

// Answers real modal dialogs and message boxes of this process from a second thread, as a
// user would: it waits for each expected window in turn (found by caption, a top-level
// dialog of this process), runs an optional action on it (typing into its controls), and
// presses a button. The test thread meanwhile runs the code that shows the window.
class DialogAnswerer {
public:
    using Action = std::function<void(HWND dialog)>;

    DialogAnswerer() = default;
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    ~DialogAnswerer();

    // Queues one window: wait for caption, run action, press buttonId (IDOK, IDYES, ...).
    // A buttonId of 0 presses nothing (the action closes the window itself).
    DialogAnswerer& Expect(const std::string& caption, int buttonId, Action action = {});
    // Starts answering; Expect calls made before Start are answered in order.
    void Start(DWORD timeoutMs = 10000);
    // Waits for the thread; returns what it answered (fewer than expected on a time-out).
    std::vector<SeenDialog> Finish();

private:
    struct Expectation {
        std::string caption;
        int buttonId;
        Action action;
    };
    void Run(DWORD timeoutMs);

    std::vector<Expectation> m_expected;
    std::vector<SeenDialog> m_seen;
    std::thread m_thread;
    std::mutex m_mutex;
};

// Finds a visible top-level dialog window of this process by caption; nullptr when none.
HWND FindDialog(const std::string& caption);
// The joined texts of a window's static controls.
std::string StaticTexts(HWND dialog);
// Presses a dialog's button as a click would.
void PressButton(HWND dialog, int buttonId);
}  // namespace ui
