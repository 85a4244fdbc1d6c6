#include "ListTestWindow.h"

#include "CCheckListCtrl.h"
#include "ListMessages.h"

std::vector<std::string> CQueueWatch::s_seen;
MSG CQueueWatch::s_lastTaken{};

std::string ListMessageName(UINT message)
{
    static const struct {
        const UINT* id;
        const char* name;
    } names[] = {
        {&s_wm_CHRO_CHECK, "s_wm_CHRO_CHECK"},
        {&s_wm_CHRO_UPDATE, "s_wm_CHRO_UPDATE"},
        {&s_wm_CHRO_LISTCTRL_CONTEXTMENU, "s_wm_CHRO_LISTCTRL_CONTEXTMENU"},
        {&s_wm_CHRO_DELETEKEY, "s_wm_CHRO_DELETEKEY"},
        {&s_wm_CHRO_LAUNCH, "s_wm_CHRO_LAUNCH"},
        {&s_wm_CHRO_TAB, "s_wm_CHRO_TAB"},
        {&WM_GROUP_UPDATE, "WM_GROUP_UPDATE"},
        {&s_wm_GROUP_LISTCTRL_CONTEXTMENU, "s_wm_GROUP_LISTCTRL_CONTEXTMENU"},
        {&s_wm_GROUP_DELETEKEY, "s_wm_GROUP_DELETEKEY"},
        {&s_wm_GROUP_LAUNCH, "s_wm_GROUP_LAUNCH"},
        {&s_wm_GROUP_CHECK, "s_wm_GROUP_CHECK"},
        {&s_wm_GROUP_TAB, "s_wm_GROUP_TAB"},
    };
    for (const auto& entry : names) {
        if (*entry.id != 0 && *entry.id == message)
            return entry.name;
    }
    return {};
}

BOOL CListTestWindow::CreateParent()
{
    return CreateEx(0, nullptr, "List test", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, RECT{40, 40, 680, 520},
                    nullptr, 0);
}

LRESULT CListTestWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    std::string name = ListMessageName(message);
    if (!name.empty()) {
        const auto* what = reinterpret_cast<const SListNotify*>(lParam);
        const auto* list = what ? dynamic_cast<CCheckListCtrl*>(CWnd::FromHandle(what->hdr.hwndFrom)) : nullptr;
        const bool sent = InSendMessage() == FALSE && CQueueWatch::s_lastTaken.message != message;
        if (!sent || wParam != 0 || !list || list->NotifyOf(lParam) != what || what->hdr.code != message
            || ::GetParent(what->hdr.hwndFrom) != m_hWnd)
            name += "!";
        m_received.push_back(name);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

CQueueWatch::CQueueWatch()
{
    s_seen.clear();
    s_lastTaken = MSG{};
    m_hHook = SetWindowsHookExA(WH_GETMESSAGE, &CQueueWatch::Hook, nullptr, GetCurrentThreadId());
}

CQueueWatch::~CQueueWatch()
{
    UnhookWindowsHookEx(m_hHook);
}

LRESULT CALLBACK CQueueWatch::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        s_lastTaken = *reinterpret_cast<MSG*>(lParam);
        const std::string name = ListMessageName(s_lastTaken.message);
        if (!name.empty())
            s_seen.push_back(name);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
