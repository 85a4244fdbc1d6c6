#pragma once

#include <windows.h>

#include <unordered_map>

// How many rows of a list hold each item data value, kept while every change to the rows
// is known. It lets a look-up by data answer at once for a value that no row or exactly
// one row holds; after a change it did not see, it knows nothing until the next reset.
class CItemDataIndex {
public:
    // The list is empty and every later change will be reported.
    void Reset();
    // A change was not reported: nothing is known until the next Reset.
    void Invalidate();
    // A row with this data was added.
    void Add(DWORD data);
    // How many rows hold data, or -1 when that is not known.
    int Count(DWORD data) const;

private:
    std::unordered_map<DWORD, int> m_counts;
    bool m_bValid = false;
};
