#pragma once

#include "MessageMap.h"

// Base of everything that receives commands: windows and the application. Holds the
// handler-table chain and the command routing walk over it.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Offers a command (code CN_COMMAND or a control notification code) or a command-enable
    // request (CN_UPDATE_COMMAND_UI, with pCmdUI) to this target's tables. With bProbeOnly
    // nothing is called; the result says whether a handler exists. True when handled.
    virtual bool OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI = nullptr, bool bProbeOnly = false);
    // Offers a registered window message to this target's tables, for a window that hands
    // the messages it does not take to the targets it routes commands to. True when handled,
    // with the handler's result in pResult.
    bool OnRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

protected:
    // First entry of the chain that satisfies the predicate, or nullptr.
    template <typename Pred>
    const MsgEntry* FindEntry(Pred pred) const
    {
        for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
            for (size_t i = 0; i < map->count; ++i) {
                if (pred(map->entries[i]))
                    return &map->entries[i];
            }
        }
        return nullptr;
    }
};
