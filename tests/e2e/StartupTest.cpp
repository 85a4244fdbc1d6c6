// Start-up, single instance, rights and shutdown of Vantrace.exe run as a separate process
// beside a host window of this test program.
#include "Registry.h"
#include "ToolHost.h"

#include <gtest/gtest.h>

#include <thread>

namespace {
class StartupTest : public testing::Test {
protected:
    void SetUp() override
    {
        reg::ClearTool();
        e2e::DeleteAuditLog();
    }
    void TearDown() override { reg::ClearTool(); }
};

TEST_F(StartupTest, FirstStartSignalsTheHostAndStaysHiddenOwnedByTheHostWindow)
{
    e2e::ToolHost host;
    ASSERT_TRUE(host.Start());
    HWND frame = host.Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(IsWindowVisible(frame));
    EXPECT_EQ(GetWindow(frame, GW_OWNER), host.HostWindow());
    char title[256] = {};
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_STREQ(title, "Vantrace - Untitled.vtl");

    host.Command(3);
    DWORD code = 1;
    ASSERT_TRUE(host.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
    // Shutdown writes the options that were used: Visible, Mini.
    EXPECT_EQ(reg::ReadDword(reg::Tool("Options"), "Visiblei"), 0u);
    EXPECT_EQ(reg::ReadDword(reg::Tool("Options"), "Minii"), 0u);
}

TEST_F(StartupTest, WithoutAHostWindowTheFrameHasNoOwner)
{
    e2e::ToolHost host(false);
    ASSERT_TRUE(host.Start());
    ASSERT_NE(host.Frame(), nullptr);
    EXPECT_EQ(GetWindow(host.Frame(), GW_OWNER), nullptr);
}

TEST_F(StartupTest, SecondStartEndsAtOnceWithoutWindowOrSettings)
{
    e2e::ToolHost host;
    ASSERT_TRUE(host.Start());
    reg::ClearTool();   // anything the second instance wrote would show up here
    const DWORD code = host.StartAndWaitForExit(10000);
    EXPECT_NE(code, static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_FALSE(reg::ValueExists(reg::Tool("Options"), "Visiblei"));
    EXPECT_FALSE(reg::ValueExists(reg::Tool("Vantrace\\Recent files"), "file1"));
    EXPECT_EQ(FindWindowExA(nullptr, host.Frame(), "Vantrace", nullptr), nullptr);   // still one frame
}

TEST_F(StartupTest, StartAfterAnInstanceDiedHoldingTheMutexProceeds)
{
    std::thread holder([] {
        HANDLE mutex = CreateMutexA(nullptr, TRUE, "VantraceMutex");
        (void)mutex;   // the thread ends owning it: the mutex is abandoned
    });
    holder.join();
    e2e::ToolHost host;
    EXPECT_TRUE(host.Start());
}

TEST_F(StartupTest, RefusedRightEndsStartUpWithNoWindowAndNoEvent)
{
    reg::WriteText(reg::kSecurity, "DeniedRights", "3218");
    e2e::ToolHost host;
    EXPECT_FALSE(host.Start(10000));
    EXPECT_FALSE(host.EventWasSet());
    EXPECT_TRUE(host.WaitForExit(5000));
    EXPECT_EQ(host.Frame(), nullptr);
}

TEST_F(StartupTest, AuditedEnquiryOnlyWhenVisibleIsSet)
{
    {
        e2e::ToolHost host;
        ASSERT_TRUE(host.Start());
    }
    EXPECT_EQ(e2e::ReadAuditLog().find("3218"), std::string::npos);

    reg::WriteDword(reg::Tool("Options"), "Visiblei", 1);
    e2e::ToolHost host;
    ASSERT_TRUE(host.Start());
    EXPECT_NE(e2e::ReadAuditLog().find("3218"), std::string::npos);
}
}  // namespace
