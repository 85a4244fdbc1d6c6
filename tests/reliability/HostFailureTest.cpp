// The host absent, refusing every command, or hung (never answering): the tool never
// crashes, a launch still sends what it can in order, and the host's close command still
// ends it.
#include "Registry.h"
#include "SampleLists.h"
#include "ToolList.h"
#include "ToolProcess.h"
#include "FileBytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {
std::string LogPath()
{
    char folder[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "vth", 0, path);
    return path;
}

std::vector<std::string> Lines(const std::string& path)
{
    std::string bytes;
    ReadBytes(path, bytes);
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool WaitForLines(const std::string& path, size_t count, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (Lines(path).size() < count && GetTickCount() - start < timeoutMs)
        Sleep(100);
    return Lines(path).size() >= count;
}

std::vector<std::string> LaunchCommands(int launches)
{
    std::vector<std::string> expected;
    for (int i = 0; i < launches; ++i)
        for (const char* command : ToolList::kLaunchCommands)
            expected.push_back(command);
    return expected;
}

class HostFailure : public testing::Test {
protected:
    void SetUp() override
    {
        reg::ClearTool();
        m_list = ToolList::Prepare();
        m_log = LogPath();
    }
    void TearDown() override
    {
        reg::ClearTool();
        DeleteFileA(m_list.c_str());
        DeleteFileA(m_log.c_str());
    }
    std::string m_list;
    std::string m_log;
};
}   // namespace

TEST_F(HostFailure, ARefusingHostGetsEveryCommandInOrderAndTheToolGoesOn)
{
    ToolProcess tool;
    ASSERT_TRUE(tool.StartWithHost("--refuse --log \"" + m_log + "\""));
    ASSERT_TRUE(tool.Command(1) && tool.Command(4));
    ASSERT_TRUE(WaitForLines(m_log, 4, 20000));
    ASSERT_TRUE(tool.Command(4));
    ASSERT_TRUE(WaitForLines(m_log, 8, 20000));
    EXPECT_EQ(Lines(m_log), LaunchCommands(2));
    DWORD code = 1;
    ASSERT_TRUE(tool.Close(20000, code));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(tool.Boxes().empty()) << tool.Boxes().front();
}

// A send to a host that does not answer waits for its time-out; once the host is seen to
// hang, later sends give up at once without reaching it. Either way the launch goes on in
// order and ends.
TEST_F(HostFailure, AHungHostHoldsTheToolNoLongerThanItsTimeOutsAndTheCloseCommandStillEndsIt)
{
    // Each command holds the host 11 s, longer than the tool's 10 s time-out.
    ToolProcess tool;
    ASSERT_TRUE(tool.StartWithHost("--hang --hang-ms 11000 --log \"" + m_log + "\""));
    ASSERT_TRUE(tool.Command(1) && tool.Command(4) && tool.Command(3));
    const DWORD start = GetTickCount();
    ASSERT_EQ(WaitForSingleObject(tool.Process(), 90000), WAIT_OBJECT_0) << "the close command did not end the tool";
    const DWORD elapsed = GetTickCount() - start;
    DWORD code = 1;
    GetExitCodeProcess(tool.Process(), &code);
    EXPECT_EQ(code, 0u);
    DWORD hostCode = 1;
    EXPECT_TRUE(tool.Host().Wait(60000, hostCode));
    const std::vector<std::string> got = Lines(m_log);
    const std::vector<std::string> expected = LaunchCommands(1);
    ASSERT_FALSE(got.empty());
    ASSERT_LE(got.size(), expected.size());
    EXPECT_TRUE(std::equal(got.begin(), got.end(), expected.begin())) << got.front();
    std::printf("hung host: %d of 4 commands reached it; launch and close took %lu ms\n", static_cast<int>(got.size()),
                static_cast<unsigned long>(elapsed));
    // The first send waited for its 10 s time-out; four sends, each bounded by it, and the
    // close timer after them.
    EXPECT_GE(elapsed, 9500u);
    EXPECT_LT(elapsed, 4u * 10000u + 15000u);
}

TEST_F(HostFailure, WithoutAHostTheToolShowsLaunchesAndClosesUnharmed)
{
    ToolProcess tool;
    ASSERT_TRUE(tool.StartAlone());
    EXPECT_EQ(GetWindow(tool.Frame(), GW_OWNER), nullptr);
    for (WPARAM command : {1, 4, 4, 0, 1, 4})
        ASSERT_TRUE(tool.Command(command));
    ASSERT_TRUE(tool.Settle());
    DWORD code = 1;
    ASSERT_TRUE(tool.Close(20000, code));
    EXPECT_EQ(code, 0u);
}
