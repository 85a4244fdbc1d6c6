#include "CGroupLaunch.h"

#include "CChroDisplayLink.h"
#include "HostCommandText.h"

namespace {
const int kRangeReset = 1;
const int kRangeSpecified = 2;
}   // namespace

bool CGroupLaunch::LaunchGroup(DWORD groupId)
{
    SendRange(groupId);
    CChroDisplayLink().ClearDisplay();

    // The first checked chromatogram opens a new window; every later one is added to it.
    // A record the link refuses as unsafe is passed over like an unchecked one, so that it
    // cannot take the new window from the next.
    bool launched = false;
    DWORD chroId = 0;
    for (int pos = 0; m_lists.GetChroOrder(groupId, pos, chroId); ++pos) {
        if (!IsCheckedAndSafe(groupId, chroId))
            continue;
        LaunchChromatogram(groupId, chroId, launched ? "add" : "newwindow");
        launched = true;
    }
    return launched;
}

bool CGroupLaunch::LaunchChromatogram(DWORD groupId, DWORD chroId, const char* kind)
{
    CChromatogramData rec;
    if (!m_lists.GetChromatogram(groupId, chroId, rec))
        return false;
    CChroDisplayLink link;
    link.LaunchChromatogram(rec, kind);
    return true;
}

bool CGroupLaunch::IsCheckedAndSafe(DWORD groupId, DWORD chroId) const
{
    CChromatogramData rec;
    return m_lists.GetChromatogram(groupId, chroId, rec) && rec.m_bChecked
           && host_command::IsSafeField(host_command::TraceText(rec));
}

void CGroupLaunch::SendRange(DWORD groupId)
{
    CGroupDataHelper group;
    if (!m_lists.GetGroup(group, groupId))
        return;
    CChroDisplayLink link;
    if (group.m_nRangeMode == kRangeSpecified) {
        // A NUL (possible from a list file) would cut the text short, or even turn it into
        // the reset command: such a range is refused like any other unsafe text.
        if (group.m_strRange.find('\0') == std::string::npos)
            link.SetDisplayRange(group.m_strRange.c_str());
    } else if (group.m_nRangeMode == kRangeReset)
        link.SetDisplayRange(nullptr);
}
