#include "CCmdTarget.h"

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMap map{nullptr, nullptr, 0};
    return &map;
}

bool CCmdTarget::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, bool bProbeOnly)
{
    const bool update = nCode == CN_UPDATE_COMMAND_UI;
    const MsgEntry* entry = FindEntry([&](const MsgEntry& e) {
        if (e.kind != (update ? EntryKind::Update : EntryKind::Command))
            return false;
        if (!update && e.message != static_cast<UINT>(nCode))
            return false;
        return nID >= e.idFirst && nID <= e.idLast;
    });
    if (!entry)
        return false;
    if (!bProbeOnly)
        entry->thunk(this, nID, reinterpret_cast<LPARAM>(pCmdUI));
    return true;
}
