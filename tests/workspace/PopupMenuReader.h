#pragma once

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

// Reads a popup menu while it is open: a second thread waits for the menu window of this
// process, records its items and where it stands, then dismisses it with the Escape key.
class PopupMenuReader {
public:
    struct Item {
        std::string text;   // empty for a separator
        bool separator = false;
        bool grayed = false;
    };

    // Starts watching; the test thread then opens the menu.
    void Start(DWORD timeoutMs = 5000);
    // Waits for the thread; false when no menu was seen.
    bool Finish();

    std::vector<Item> m_items;
    RECT m_rect{};   // screen rectangle of the menu window

    // The item with this text; nullptr when there is none.
    const Item* Find(const std::string& text) const;

private:
    void Run(DWORD timeoutMs);

    std::thread m_thread;
    bool m_seen = false;
};
