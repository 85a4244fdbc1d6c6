// Start-up, single instance, rights and shutdown of Vantrace.exe run as a separate process
// beside a host window of this test program.
#include "Registry.h"
#include "TestHostWindow.h"
#include "ToolProcess.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

namespace {
// The security library's audit log.
std::string AuditLogPath()
{
    PWSTR local = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local)))
        return {};
    char narrow[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, local, -1, narrow, MAX_PATH, nullptr, nullptr);
    CoTaskMemFree(local);
    return std::string(narrow) + "\\Fenwright\\Security\\audit.log";
}

std::string ReadAuditLog()
{
    std::ifstream file(AuditLogPath());
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class StartupTest : public testing::Test {
protected:
    void SetUp() override
    {
        reg::ClearTool();
        DeleteFileA(AuditLogPath().c_str());
    }
    void TearDown() override { reg::ClearTool(); }
};

TEST_F(StartupTest, FirstStartSignalsTheHostAndStaysHiddenOwnedByTheHostWindow)
{
    TestHostWindow hostWindow;
    ToolProcess host(false);
    ASSERT_TRUE(host.StartAlone(20000));
    HWND frame = host.Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(IsWindowVisible(frame));
    EXPECT_EQ(GetWindow(frame, GW_OWNER), hostWindow.GetHwnd());
    char title[256] = {};
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_STREQ(title, "Vantrace - Untitled.vtl");

    host.SendCommand(3);
    DWORD code = 1;
    ASSERT_TRUE(host.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
    // Shutdown writes the options that were used: Visible, Mini.
    EXPECT_EQ(reg::ReadDword(reg::Tool("Options"), "Visiblei"), 0u);
    EXPECT_EQ(reg::ReadDword(reg::Tool("Options"), "Minii"), 0u);
}

TEST_F(StartupTest, WithoutAHostWindowTheFrameHasNoOwner)
{
    ToolProcess host(false);
    ASSERT_TRUE(host.StartAlone(20000));
    ASSERT_NE(host.Frame(), nullptr);
    EXPECT_EQ(GetWindow(host.Frame(), GW_OWNER), nullptr);
}

TEST_F(StartupTest, SecondStartEndsAtOnceWithoutWindowOrSettings)
{
    TestHostWindow hostWindow;
    ToolProcess host(false);
    ASSERT_TRUE(host.StartAlone(20000));
    reg::ClearTool();   // anything the second instance wrote would show up here
    const DWORD code = host.StartAnother(10000);
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
    TestHostWindow hostWindow;
    ToolProcess host(false);
    EXPECT_TRUE(host.StartAlone(20000));
}

TEST_F(StartupTest, RefusedRightEndsStartUpWithNoWindowAndNoEvent)
{
    reg::WriteText(reg::kSecurity, "DeniedRights", "3218");
    TestHostWindow hostWindow;
    ToolProcess host(false);
    EXPECT_FALSE(host.StartAlone(10000));
    EXPECT_FALSE(host.EventWasSet());
    EXPECT_TRUE(host.WaitForExit(5000));
    EXPECT_EQ(ToolProcess::FindFrame(), nullptr);
}

TEST_F(StartupTest, AuditedEnquiryOnlyWhenVisibleIsSet)
{
    TestHostWindow hostWindow;
    {
        ToolProcess host(false);
        ASSERT_TRUE(host.StartAlone(20000));
    }
    EXPECT_EQ(ReadAuditLog().find("3218"), std::string::npos);

    reg::WriteDword(reg::Tool("Options"), "Visiblei", 1);
    ToolProcess host(false);
    ASSERT_TRUE(host.StartAlone(20000));
    EXPECT_NE(ReadAuditLog().find("3218"), std::string::npos);
}
}   // namespace
