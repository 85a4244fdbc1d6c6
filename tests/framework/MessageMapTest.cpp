// Handler tables: lookup order, registered messages and notification reflection, on real
// windows.
#include "CWnd.h"
#include "Pump.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> g_calls;
const UINT g_wmTestRegistered = RegisterWindowMessageA("s_wm_VT_TEST_REGISTERED");

class CBaseWnd : public CWnd {
public:
    static const MessageMap* GetThisMessageMap()
    {
        static const MsgEntry entries[] = {
            msg::Message<&CBaseWnd::OnOne>(WM_USER + 1),
            msg::Message<&CBaseWnd::OnTwo>(WM_USER + 2),
        };
        static const MessageMap map = MakeMessageMap(&CWnd::GetThisMessageMap, entries);
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    LRESULT OnOne(WPARAM, LPARAM) { return g_calls.push_back("base one"), 11; }
    LRESULT OnTwo(WPARAM, LPARAM) { return g_calls.push_back("base two"), 12; }
};

class CDerivedWnd : public CBaseWnd {
public:
    static const MessageMap* GetThisMessageMap()
    {
        static const MsgEntry entries[] = {
            msg::Message<&CDerivedWnd::OnOne>(WM_USER + 1),
            msg::Message<&CDerivedWnd::OnFirst>(WM_USER + 3),
            msg::Message<&CDerivedWnd::OnSecond>(WM_USER + 3),
            msg::Registered<&CDerivedWnd::OnRegisteredMessage>(&g_wmTestRegistered),
            msg::Notify<&CDerivedWnd::OnChildClick>(NM_CLICK, 5),
            msg::Notify<&CDerivedWnd::OnChildDoubleClick>(NM_DBLCLK, 5),
        };
        static const MessageMap map = MakeMessageMap(&CBaseWnd::GetThisMessageMap, entries);
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    LRESULT OnOne(WPARAM, LPARAM) { return g_calls.push_back("derived one"), 21; }
    LRESULT OnFirst(WPARAM, LPARAM) { return g_calls.push_back("first"), 31; }
    LRESULT OnSecond(WPARAM, LPARAM) { return g_calls.push_back("second"), 32; }
    LRESULT OnRegisteredMessage(WPARAM w, LPARAM l)
    {
        g_calls.push_back("registered " + std::to_string(w) + " " + std::to_string(l));
        return 41;
    }
    LRESULT OnChildClick(NMHDR*) { return g_calls.push_back("parent click"), 0; }
    LRESULT OnChildDoubleClick(NMHDR*) { return g_calls.push_back("parent double-click"), 0; }
};

// A list view that takes its own NM_CLICK, and an edit box that takes its own EN_CHANGE.
class CReflectingList : public CWnd {
public:
    static const MessageMap* GetThisMessageMap()
    {
        static const MsgEntry entries[] = {
            msg::ReflectNotify<&CReflectingList::OnClick>(NM_CLICK),
        };
        static const MessageMap map = MakeMessageMap(&CWnd::GetThisMessageMap, entries);
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    LRESULT OnClick(NMHDR*) { return g_calls.push_back("child click"), 7; }
};

class CReflectingEdit : public CWnd {
public:
    static const MessageMap* GetThisMessageMap()
    {
        static const MsgEntry entries[] = {
            msg::ReflectCommand<&CReflectingEdit::OnChange>(EN_CHANGE),
        };
        static const MessageMap map = MakeMessageMap(&CWnd::GetThisMessageMap, entries);
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void OnChange() { g_calls.push_back("edit change"); }
};

class MessageMapTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_calls.clear();
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "test", WS_OVERLAPPEDWINDOW, RECT{0, 0, 300, 200}, nullptr, 0));
    }
    CDerivedWnd m_wnd;
};

TEST_F(MessageMapTest, DerivedTableIsSearchedBeforeBaseAndFirstMatchWins)
{
    EXPECT_EQ(m_wnd.SendMessage(WM_USER + 1), 21);
    EXPECT_EQ(m_wnd.SendMessage(WM_USER + 2), 12);
    EXPECT_EQ(m_wnd.SendMessage(WM_USER + 3), 31);
    EXPECT_EQ(m_wnd.SendMessage(WM_USER + 4), 0);   // default processing
    EXPECT_EQ(g_calls, (std::vector<std::string>{"derived one", "base two", "first"}));
}

TEST_F(MessageMapTest, PostedRegisteredMessageReachesItsHandler)
{
    ASSERT_NE(g_wmTestRegistered, 0u);
    m_wnd.PostMessage(g_wmTestRegistered, 3, 4);
    ASSERT_TRUE(ui::PumpUntil([] { return !g_calls.empty(); }));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"registered 3 4"}));
}

TEST_F(MessageMapTest, ObjectIsFoundFromItsHandleUntilTheWindowIsGone)
{
    EXPECT_EQ(CWnd::FromHandle(m_wnd.m_hWnd), &m_wnd);
    HWND hwnd = m_wnd.m_hWnd;
    m_wnd.DestroyWindow();
    EXPECT_EQ(m_wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
}

TEST_F(MessageMapTest, ReflectedNotificationReachesTheControlBeforeTheParent)
{
    CReflectingList list;
    ASSERT_TRUE(list.CreateEx(0, WC_LISTVIEWA, nullptr, WS_CHILD | WS_VISIBLE | LVS_REPORT, RECT{0, 0, 100, 100},
                              m_wnd.m_hWnd, 5));
    EXPECT_EQ(CWnd::FromHandle(list.m_hWnd), &list);

    NMHDR click{list.m_hWnd, 5, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(m_wnd.SendMessage(WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&click)), 7);
    NMHDR doubleClick{list.m_hWnd, 5, static_cast<UINT>(NM_DBLCLK)};
    m_wnd.SendMessage(WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&doubleClick));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"child click", "parent double-click"}));
}

TEST_F(MessageMapTest, ControlCommandNotificationIsReflectedToTheControl)
{
    CReflectingEdit edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 20}, m_wnd.m_hWnd, 6));
    edit.SetWindowText("typed");   // the edit box sends EN_CHANGE to its parent
    EXPECT_EQ(g_calls, (std::vector<std::string>{"edit change"}));
}

// A Unicode control (list view) and an ANSI one (edit box) keep doing their own work under
// the framework's procedure, and let go of the object when they are destroyed.
TEST_F(MessageMapTest, SubclassedControlsStillAnswerThroughTheirOwnProcedure)
{
    CReflectingList list;
    ASSERT_TRUE(list.CreateEx(0, WC_LISTVIEWA, nullptr, WS_CHILD | LVS_REPORT, RECT{0, 0, 100, 100}, m_wnd.m_hWnd, 5));
    CReflectingEdit edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", nullptr, WS_CHILD, RECT{0, 0, 100, 20}, m_wnd.m_hWnd, 6));
    EXPECT_TRUE(IsWindowUnicode(list.m_hWnd));
    EXPECT_FALSE(IsWindowUnicode(edit.m_hWnd));

    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = 50;
    ASSERT_EQ(list.SendMessage(LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column)), 0);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<char*>("row \xE9");
    ASSERT_EQ(list.SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)), 0);
    char text[32] = {};
    LVITEMA get{};
    get.pszText = text;
    get.cchTextMax = sizeof text;
    list.SendMessage(LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&get));
    EXPECT_STREQ(text, "row \xE9");

    edit.SetWindowText("typed \xE9");
    EXPECT_EQ(edit.GetWindowText(), "typed \xE9");

    HWND listHandle = list.m_hWnd;
    HWND editHandle = edit.m_hWnd;
    list.DestroyWindow();
    edit.DestroyWindow();
    EXPECT_EQ(list.m_hWnd, nullptr);
    EXPECT_EQ(edit.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandle(listHandle), nullptr);
    EXPECT_EQ(CWnd::FromHandle(editHandle), nullptr);
}

TEST_F(MessageMapTest, ExceptionInAHandlerDoesNotCrossIntoWindows)
{
    class CThrowingWnd : public CWnd {
    public:
        static const MessageMap* GetThisMessageMap()
        {
            static const MsgEntry entries[] = {msg::Message<&CThrowingWnd::OnThrow>(WM_USER + 9)};
            static const MessageMap map = MakeMessageMap(&CWnd::GetThisMessageMap, entries);
            return &map;
        }
        const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
        LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    } wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "throws", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(wnd.SendMessage(WM_USER + 9), 0);
    EXPECT_TRUE(IsWindow(wnd.m_hWnd));
}
}   // namespace
