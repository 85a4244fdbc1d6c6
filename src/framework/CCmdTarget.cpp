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

bool CCmdTarget::OnRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const MsgEntry* entry = FindEntry([message](const MsgEntry& e) {
        return e.kind == EntryKind::Registered && *e.registered == message && message != 0;
    });
    if (!entry)
        return false;
    *pResult = entry->thunk(this, wParam, lParam);
    return true;
}
