#pragma once

#include "CWnd.h"

#include <string>
#include <vector>

// Records the registered list messages that this thread takes from its queue, whatever
// window (or none) they were posted to, while the object lives.
class CQueueWatch {
public:
    CQueueWatch();
    ~CQueueWatch();
    CQueueWatch(const CQueueWatch&) = delete;
    CQueueWatch& operator=(const CQueueWatch&) = delete;

    static std::vector<std::string> s_seen;
    static MSG s_lastTaken;   // the last message of any kind taken from the queue

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hHook;
};

// A real parent window for the list controls under test: it reflects their notifications
// (as every framework window does) and records, in order, each registered list message it
// receives, with "!" appended when one came through the message queue (posted, not sent),
// or without the payload of the list that sends it (wParam 0, the header naming the list
// and the message).
class CListTestWindow : public CWnd {
public:
    BOOL CreateParent();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::vector<std::string> m_received;

private:
    CQueueWatch m_queueWatch;
};

// The name of a registered list message, or empty for any other message.
std::string ListMessageName(UINT message);
