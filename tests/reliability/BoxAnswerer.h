#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Answers the message boxes of another process from a thread of this one, as a user who
// reads them and presses OK (or No, or Cancel, when there is no OK) would, and keeps what
// they said.
class BoxAnswerer {
public:
    explicit BoxAnswerer(DWORD processId);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    // "caption: text" of every box answered so far.
    std::vector<std::string> Seen();

private:
    void Run();
    void AnswerOpenBoxes();

    DWORD m_processId;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<std::string> m_seen;
    std::vector<HWND> m_answered;
    std::thread m_thread;
};
