#pragma once

#include "CListManager.h"

// Launches a group or one chromatogram of the list into the host's chromatogram display.
class CGroupLaunch {
public:
    explicit CGroupLaunch(CListManager& lists) : m_lists(lists) {}

    // Sends the group's range command (by its range mode), clears the display, then shows
    // every checked chromatogram: the first in a new window, the others added to it.
    // False when the group has no checked chromatogram that may be sent.
    bool LaunchGroup(DWORD groupId);
    // Shows one chromatogram, checked or not, in the given window kind. False when the
    // list does not hold it.
    bool LaunchChromatogram(DWORD groupId, DWORD chroId, const char* kind);

private:
    // Whether the list holds the chromatogram, it is checked and its trace may be sent.
    bool IsCheckedAndSafe(DWORD groupId, DWORD chroId) const;
    void SendRange(DWORD groupId);

    CListManager& m_lists;
};
