// Window objects that delete themselves: inside their own nested handlers, and when their
// creation fails during start-up. Freed objects are kept filled with a guard byte, so a
// write into one after its delete, or a second delete, is seen.
#include "CDialog.h"
#include "CFrameWnd.h"
#include "CWinApp.h"
#include "TestIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
const unsigned char kGuard = 0xDD;
const UINT WM_TEST_OUTER = WM_APP + 1;
const UINT WM_TEST_INNER = WM_APP + 2;

struct FreedBlock {
    unsigned char* bytes;
    size_t size;
};
std::vector<FreedBlock> g_freed;

// A class whose deleted objects stay allocated, filled with the guard byte.
template <class Base>
class Guarded : public Base {
public:
    using Base::Base;
    static void* operator new(size_t size) { return ::operator new(size); }
    static void operator delete(void* p, size_t size)
    {
        std::memset(p, kGuard, size);
        g_freed.push_back({static_cast<unsigned char*>(p), size});
    }
};

bool FreedBlocksUntouched()
{
    return std::all_of(g_freed.begin(), g_freed.end(), [](const FreedBlock& block) {
        return std::all_of(block.bytes, block.bytes + block.size, [](unsigned char b) { return b == kGuard; });
    });
}

void ReleaseFreedBlocks()
{
    for (const FreedBlock& block : g_freed) {
        if (std::count_if(g_freed.begin(), g_freed.end(), [&](const FreedBlock& b) { return b.bytes == block.bytes; })
            == 1)
            ::operator delete(block.bytes);
    }
    g_freed.clear();
}

// Destroys its window from a message sent inside another of its handlers, and deletes itself
// when the window is gone.
template <class Base>
class CSelfDeleting : public Guarded<Base> {
public:
    using Guarded<Base>::Guarded;
    static const MessageMap* GetThisMessageMap()
    {
        static const MsgEntry entries[] = {
            msg::Message<&CSelfDeleting::OnOuter>(WM_TEST_OUTER),
            msg::Message<&CSelfDeleting::OnInner>(WM_TEST_INNER),
        };
        static const MessageMap map = MakeMessageMap(&Base::GetThisMessageMap, entries);
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void PostNcDestroy() override { delete this; }
    LRESULT OnOuter(WPARAM, LPARAM) { return this->SendMessage(WM_TEST_INNER); }
    LRESULT OnInner(WPARAM, LPARAM)
    {
        this->DestroyWindow();
        return 0;
    }
};

class WindowLifetimeTest : public testing::Test {
protected:
    void TearDown() override { ReleaseFreedBlocks(); }

    static void ExpectDeletedOnceAndUntouched(HWND hwnd)
    {
        SendMessageA(hwnd, WM_TEST_OUTER, 0, 0);
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(g_freed.size(), 1u);
        EXPECT_TRUE(FreedBlocksUntouched()) << "a freed window object was written to";
    }
};

TEST_F(WindowLifetimeTest, WindowThatDeletesItselfInANestedHandlerIsNotWrittenAfterwards)
{
    auto* wnd = new CSelfDeleting<CWnd>;
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, "self", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    ExpectDeletedOnceAndUntouched(wnd->m_hWnd);
}

TEST_F(WindowLifetimeTest, DialogThatDeletesItselfInANestedHandlerIsNotWrittenAfterwards)
{
    auto* dlg = new CSelfDeleting<CDialog>(IDD_TEST_DIALOG);
    HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_DIALOG), nullptr,
                                   &CWnd::StaticDlgProc, reinterpret_cast<LPARAM>(dlg));
    ASSERT_NE(hwnd, nullptr);
    ExpectDeletedOnceAndUntouched(hwnd);
}

// Start-up as the tool does it: the application makes a self-deleting main frame; when the
// frame cannot be made, start-up fails and ends through ExitInstance.
enum class FrameFailure { InCreate, BeforeWindow };

class CFailingFrame : public Guarded<CFrameWnd> {
public:
    explicit CFailingFrame(FrameFailure failure) : m_failure(failure) {}
    static const MessageMap* GetThisMessageMap()
    {
        static const MsgEntry entries[] = {msg::Create<&CFailingFrame::OnCreate>()};
        static const MessageMap map = MakeMessageMap(&CFrameWnd::GetThisMessageMap, entries);
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override
    {
        return m_failure != FrameFailure::BeforeWindow && CFrameWnd::PreCreateWindow(cs);
    }
    int OnCreate(CREATESTRUCTA*) { return -1; }
    void PostNcDestroy() override
    {
        CFrameWnd::PostNcDestroy();
        delete this;
    }

private:
    FrameFailure m_failure;
};

class CStartFailsApp : public CWinApp {
public:
    explicit CStartFailsApp(FrameFailure failure) : CWinApp("StartFails"), m_failure(failure) {}
    BOOL InitInstance() override
    {
        auto* frame = new CFailingFrame(m_failure);
        m_pMainWnd = frame;
        if (!frame->LoadFrame(IDR_TEST_FRAME, WS_OVERLAPPEDWINDOW, nullptr)) {
            m_pMainWnd = nullptr;
            return FALSE;
        }
        return TRUE;
    }
    int ExitInstance() override
    {
        ++m_nExits;
        return 7;
    }
    int m_nExits = 0;

private:
    FrameFailure m_failure;
};

TEST_F(WindowLifetimeTest, FailedFrameCreationEndsStartUpThroughExitInstanceAndDeletesTheFrameOnce)
{
    for (FrameFailure failure : {FrameFailure::InCreate, FrameFailure::BeforeWindow}) {
        SCOPED_TRACE(failure == FrameFailure::InCreate ? "WM_CREATE fails" : "PreCreateWindow fails");
        {
            CStartFailsApp app(failure);
            EXPECT_EQ(AfxWinMain(), 7);
            EXPECT_EQ(app.m_nExits, 1);
            EXPECT_EQ(app.m_pMainWnd, nullptr);
        }
        EXPECT_EQ(g_freed.size(), 1u);
        EXPECT_TRUE(FreedBlocksUntouched());
        ReleaseFreedBlocks();
        MSG msg;
        PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
}
}   // namespace
