#pragma once

#include <windows.h>

#include <unordered_map>

// How many rows of a list hold each item data value, kept by the list that owns the rows. It
// lets a look-up by data answer at once for a value that no row or exactly one row holds.
class CItemDataIndex {
public:
    // The list is empty.
    void Reset() { m_counts.clear(); }
    // A row with this data was added.
    void Add(DWORD data) { ++m_counts[data]; }
    // How many rows hold data.
    int Count(DWORD data) const
    {
        const auto found = m_counts.find(data);
        return found == m_counts.end() ? 0 : found->second;
    }

private:
    std::unordered_map<DWORD, int> m_counts;
};
