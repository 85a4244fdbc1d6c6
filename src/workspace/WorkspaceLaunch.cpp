// The workspace's launch triggers: the group and chromatogram lists, the host's request,
// Next group, Previous group and the Automate switch.
#include "CWorkspaceView.h"

#include "CAppOptions.h"
#include "CChroDisplayLink.h"
#include "CGroupLaunch.h"
#include "CWorkspaceData.h"

bool CWorkspaceView::LaunchGroup(DWORD groupId)
{
    return CGroupLaunch(m_pData->m_listManager).LaunchGroup(groupId);
}

bool CWorkspaceView::LaunchChromatogram(DWORD groupId, DWORD chroId, const char* kind)
{
    return CGroupLaunch(m_pData->m_listManager).LaunchChromatogram(groupId, chroId, kind);
}

void CWorkspaceView::LaunchSelectedGroup()
{
    DWORD groupId = 0;
    m_pData->m_groupList.GetSelectedItemData(groupId);
    int rows = 0;
    if (m_pData->m_chroList.HasItems(rows))
        LaunchGroup(groupId);
}

void CWorkspaceView::LaunchSelectedChromatogram()
{
    DWORD groupId = 0;
    m_pData->m_groupList.GetSelectedItemData(groupId);
    DWORD chroId = 0;
    if (m_pData->m_chroList.GetSelectedItemData(chroId))
        LaunchChromatogram(groupId, chroId, "default");
}

// The checked group is launched when the host asks, if Visible and Automate are both on.
bool CWorkspaceView::AutoLaunchActiveGroup()
{
    CAppOptions& options = Options();
    bool visible = false;
    bool automate = false;
    options.GetVisible(&visible);
    options.GetAutomate(&automate);
    if (!visible || !automate)
        return false;
    DWORD groupId = 0;
    if (!m_pData->m_groupList.GetFirstCheckedItemData(groupId) || groupId == 0)
        return false;
    return LaunchGroup(groupId);
}

// Otherwise the host gets one total ion current trace of function 1, added to its display.
void CWorkspaceView::LaunchForHost()
{
    if (AutoLaunchActiveGroup())
        return;
    CChromatogramData record;
    record.m_nType = 0;
    record.m_nFunction = 1;
    CChroDisplayLink link;
    link.LaunchChromatogram(record, "add");
}

LRESULT CWorkspaceView::OnGroupLaunch(WPARAM, LPARAM)
{
    LaunchSelectedGroup();
    return 0;
}

LRESULT CWorkspaceView::OnChroLaunch(WPARAM, LPARAM)
{
    LaunchSelectedChromatogram();
    return 0;
}

void CWorkspaceView::LaunchNeighbourGroup(int delta)
{
    CGroupListCtrl& groups = m_pData->m_groupList;
    int row = 0;
    groups.GetSelectedItem(row);
    const int count = groups.GetItemCount();
    if (delta > 0 && row < count - 1)
        ++row;
    else if (delta < 0 && row > 0)
        --row;
    LaunchGroup(static_cast<DWORD>(groups.GetItemData(row)));
    groups.SelectItem(row);
    RefreshChromatogramList();
}

void CWorkspaceView::OnNextGroup()
{
    LaunchNeighbourGroup(+1);
}

void CWorkspaceView::OnPreviousGroup()
{
    LaunchNeighbourGroup(-1);
}

void CWorkspaceView::OnAutomate()
{
    Options().SetAutomate(!m_pData->m_bAutomate);
    ApplyAutomate();
}
