// Load: ten thousand host command messages of every kind in a burst, and twenty tools
// started at the same moment.
#include "Registry.h"
#include "SampleLists.h"
#include "ToolProcess.h"
#include "FileBytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {
// Every kind of command, and values the tool does not know; launch (4) sends one command
// to the host each time (Automate is off), so the host's log counts what was handled.
const WPARAM kKinds[] = {1, 4, 0, 2, 4, 5, 1, 0xFFFF, 4, static_cast<WPARAM>(-1)};

size_t CountLines(const std::string& path)
{
    std::string bytes;
    ReadBytes(path, bytes);
    size_t lines = 0;
    for (char c : bytes)
        lines += c == '\n';
    return lines;
}

// Posts count messages in the order of kKinds; the number of launches among them.
size_t PostBurst(const ToolProcess& tool, int count, int& failedPosts)
{
    size_t launches = 0;
    for (int i = 0; i < count; ++i) {
        const WPARAM command = kKinds[i % std::size(kKinds)];
        if (!tool.Command(command))
            ++failedPosts;
        launches += command == 4;
    }
    return launches;
}

bool WaitForLines(const std::string& path, size_t count, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (CountLines(path) < count && GetTickCount() - start < timeoutMs)
        Sleep(100);
    return CountLines(path) >= count;
}

class Load : public testing::Test {
protected:
    void SetUp() override { reg::ClearTool(); }
    void TearDown() override { reg::ClearTool(); }
};
}   // namespace

TEST_F(Load, TenThousandHostCommandsLeaveNoHandlesOrMemoryBehind)
{
    char folder[MAX_PATH];
    char log[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "vtl", 0, log);
    ToolProcess tool;
    ASSERT_TRUE(tool.StartWithHost(std::string("--log \"") + log + "\""));
    int failedPosts = 0;

    // A first round lets every path of the tool make what it keeps for good.
    size_t launches = PostBurst(tool, 1000, failedPosts);
    ASSERT_TRUE(WaitForLines(log, launches, 120000));
    ASSERT_TRUE(tool.Settle());
    const ToolProcess::Usage before = tool.Measure();

    // The burst, in chunks that stay below the posted-message limit of a queue.
    const int kBurst = 10000;
    for (int sent = 0; sent < kBurst; sent += 2000) {
        launches += PostBurst(tool, 2000, failedPosts);
        ASSERT_TRUE(WaitForLines(log, launches, 120000)) << "after " << sent + 2000 << " messages";
    }
    ASSERT_TRUE(tool.Settle());
    const ToolProcess::Usage after = tool.Measure();
    EXPECT_EQ(failedPosts, 0);
    EXPECT_EQ(CountLines(log), launches);
    std::printf("%d messages (%d in the burst), %zu launches answered\n", 1000 + kBurst, kBurst, launches);
    std::printf("handles %lu -> %lu; private bytes %zu -> %zu; working set %zu -> %zu; virtual %zu -> %zu\n",
                static_cast<unsigned long>(before.handles), static_cast<unsigned long>(after.handles),
                before.privateBytes, after.privateBytes, before.workingSet, after.workingSet, before.virtualBytes,
                after.virtualBytes);
    ASSERT_GT(before.handles, 0u);
    EXPECT_LE(after.handles, before.handles + 4);
    // Private bytes where the system reports them; under Wine, for another process, it
    // reports resident and virtual sizes only.
    if (before.privateBytes) {
        EXPECT_LE(after.privateBytes, before.privateBytes + 1024 * 1024);
    }
    ASSERT_GT(before.workingSet, 0u);
    EXPECT_LE(after.workingSet, before.workingSet + 2 * 1024 * 1024);
    if (before.virtualBytes) {
        EXPECT_LE(after.virtualBytes, before.virtualBytes + 2 * 1024 * 1024);
    }

    DWORD code = 1;
    ASSERT_TRUE(tool.Close(30000, code));
    EXPECT_EQ(code, 0u);
    DeleteFileA(log);
}

TEST_F(Load, TwentyToolsStartedAtOnceLeaveExactlyOneRunning)
{
    const int kTools = 20;
    std::vector<std::unique_ptr<ChildProcess>> tools;
    for (int i = 0; i < kTools; ++i) {
        tools.push_back(std::make_unique<ChildProcess>());
        // A start refused for a moment is tried again; one that keeps failing is a failure.
        ASSERT_TRUE(tools.back()->Start("Vantrace.exe", "", true)) << "CreateProcess error " << GetLastError();
    }
    for (auto& tool : tools)
        ASSERT_TRUE(tool->Resume());

    // All but one end by themselves; wait until they have.
    std::vector<DWORD> ids;
    for (auto& tool : tools)
        ids.push_back(tool->GetId());
    int running = kTools;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 120000) {
        running = 0;
        for (auto& tool : tools)
            running += WaitForSingleObject(tool->GetHandle(), 0) == WAIT_TIMEOUT;
        if (running == 1 && ToolProcess::CountFrames(ids) == 1)
            break;
        Sleep(200);
    }
    Sleep(2000);   // a late second instance would show up by now
    running = 0;
    int crashed = 0;
    ChildProcess* survivor = nullptr;
    for (auto& tool : tools) {
        DWORD code = 0;
        if (tool->Wait(0, code)) {
            crashed += ToolProcess::IsCrashCode(code);
        } else {
            ++running;
            survivor = tool.get();
        }
    }
    const int frames = ToolProcess::CountFrames(ids);
    std::printf("%d tools started at once: %d running, %d frames, %d crashed\n", kTools, running, frames, crashed);
    EXPECT_EQ(running, 1);
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(crashed, 0);
    ASSERT_NE(survivor, nullptr);

    HWND frame = ToolProcess::FindFrame();
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, RegisterWindowMessageA("s_wm_VANTRACE_CMD"), 3, 0);
    DWORD code = 1;
    EXPECT_TRUE(survivor->Wait(20000, code));
    EXPECT_EQ(code, 0u);
}
