// The workspace's launch triggers: the group and chromatogram lists, the host's request,
// Next group, Previous group and the Automate switch.
#include "CLaunchCommands.h"

#include "CAppOptions.h"
#include "CChroDisplayLink.h"
#include "CCmdUI.h"
#include "CGroupLaunch.h"
#include "CListDocument.h"
#include "CWorkspaceView.h"
#include "ListMessages.h"
#include "resource.h"

const MessageMap* CLaunchCommands::GetThisMessageMap()
{
    using L = CLaunchCommands;
    static const MsgEntry entries[] = {
        msg::Command<&L::OnAutomate>(ID_AUTOMATE),
        msg::Command<&L::OnNextGroup>(ID_GROUP_NEXT),
        msg::Command<&L::OnPreviousGroup>(ID_GROUP_PREVIOUS),
        msg::Update<&L::OnUpdateAutomate>(ID_AUTOMATE),
        msg::Update<&L::OnUpdateNextPrevious>(ID_GROUP_NEXT),
        msg::Update<&L::OnUpdateNextPrevious>(ID_GROUP_PREVIOUS),
        msg::Registered<&L::OnGroupLaunch>(&s_wm_GROUP_LAUNCH),
        msg::Registered<&L::OnChroLaunch>(&s_wm_CHRO_LAUNCH),
    };
    static const MessageMap map = MakeMessageMap(&CCmdTarget::GetThisMessageMap, entries);
    return &map;
}

CLaunchCommands::CLaunchCommands(CListDocument& document, CWorkspaceView& view) : m_document(document), m_view(view) {}

bool CLaunchCommands::LaunchGroup(DWORD groupId)
{
    return CGroupLaunch(m_document.Manager()).LaunchGroup(groupId);
}

bool CLaunchCommands::LaunchChromatogram(DWORD groupId, DWORD chroId, const char* kind)
{
    return CGroupLaunch(m_document.Manager()).LaunchChromatogram(groupId, chroId, kind);
}

// The group row picked, when the chromatogram list shows rows.
void CLaunchCommands::LaunchSelectedGroup(const SListNotify& what)
{
    int rows = 0;
    if (m_view.ChroList().HasItems(rows))
        LaunchGroup(what.id);
}

// The chromatogram row picked, in the selected group.
void CLaunchCommands::LaunchSelectedChromatogram(const SListNotify& what)
{
    DWORD groupId = 0;
    m_view.GroupList().GetSelectedItemData(groupId);
    if (what.row >= 0)
        LaunchChromatogram(groupId, what.id, "default");
}

// The checked group is launched when the host asks, if Visible and Automate are both on.
bool CLaunchCommands::AutoLaunchActiveGroup()
{
    bool visible = false;
    bool automate = false;
    m_pOptions->GetVisible(&visible);
    m_pOptions->GetAutomate(&automate);
    if (!visible || !automate)
        return false;
    DWORD groupId = 0;
    if (!m_view.GroupList().GetFirstCheckedItemData(groupId) || groupId == 0)
        return false;
    return LaunchGroup(groupId);
}

// Otherwise the host gets one total ion current trace of function 1, added to its display.
void CLaunchCommands::LaunchForHost()
{
    if (AutoLaunchActiveGroup())
        return;
    CChromatogramData record;
    record.m_nType = 0;
    record.m_nFunction = 1;
    CChroDisplayLink link;
    link.LaunchChromatogram(record, "add");
}

LRESULT CLaunchCommands::OnGroupLaunch(WPARAM, LPARAM lParam)
{
    LaunchSelectedGroup(m_view.GroupList().Notification(lParam));
    return 0;
}

LRESULT CLaunchCommands::OnChroLaunch(WPARAM, LPARAM lParam)
{
    LaunchSelectedChromatogram(m_view.ChroList().Notification(lParam));
    return 0;
}

void CLaunchCommands::LaunchNeighbourGroup(int delta)
{
    CGroupListCtrl& groups = m_view.GroupList();
    int row = 0;
    groups.GetSelectedItem(row);
    const int count = groups.GetItemCount();
    if (delta > 0 && row < count - 1)
        ++row;
    else if (delta < 0 && row > 0)
        --row;
    LaunchGroup(static_cast<DWORD>(groups.GetItemData(row)));
    groups.SelectItem(row);
    m_view.RefreshChromatogramList();
}

void CLaunchCommands::OnAutomate()
{
    m_pOptions->SetAutomate(!m_bAutomate);
    ApplyAutomate();
}

void CLaunchCommands::ApplyAutomate()
{
    m_pOptions->GetAutomate(&m_bAutomate);
    m_view.GroupList().EnableChecks(m_bAutomate);
}

void CLaunchCommands::OnUpdateAutomate(CCmdUI* pCmdUI)
{
    const bool hasGroups = m_view.GroupList().GetItemCount() > 0;
    pCmdUI->Enable(hasGroups);
    if (!hasGroups)
        return;
    pCmdUI->SetCheck(m_bAutomate ? 1 : 0);
}

void CLaunchCommands::OnUpdateNextPrevious(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_view.GroupList().GetItemCount() >= 2);
}
