// Every value the tool reads from the registry set to the wrong type, out of range, empty or
// 64 KiB long: the tool starts, shows a usable window when the host asks, ends on the host's
// close command and writes sane values back.
#include "Registry.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
const std::string kOptions = reg::Tool("Options");
const std::string kRecent = reg::Tool("Vantrace\\Recent files");
const std::string kModes[] = {reg::Tool("WindowSettings\\Normal"), reg::Tool("WindowSettings\\Mini")};
const char* const kOptionNumbers[] = {"Visiblei", "Minii", "Automatei", "Groupi", "Chromatogrami"};
const char* const kOptionTexts[] = {"Visibles", "Minis", "Automates", "Groups", "Chromatograms"};
const char* const kPlacement[] = {"WindowPosFlags", "WindowPosShowCmd", "WindowPosMinX", "WindowPosMinY",
                                  "WindowPosMaxX",  "WindowPosMaxY",    "WindowPosLeft", "WindowPosTop",
                                  "WindowPosRight", "WindowPosBottom"};
const char* const kRecentFiles[] = {"file1", "file2", "file3", "file4"};
const std::string kLong(65536, 'x');

enum class Hostile { WrongType, WrongTypeBinary, OutOfRange, Empty, Long };

const char* Name(Hostile kind)
{
    switch (kind) {
    case Hostile::WrongType:
        return "wrong type";
    case Hostile::WrongTypeBinary:
        return "binary";
    case Hostile::OutOfRange:
        return "out of range";
    case Hostile::Empty:
        return "empty";
    case Hostile::Long:
        return "64 KiB";
    }
    return "";
}

// A number value of the hostile kind; index spreads the out-of-range values.
int WriteNumber(Hostile kind, const std::string& key, const char* name, int index)
{
    static const DWORD outOfRange[] = {0x80000000u, 0xFFFFFFFFu, 0x7FFFFFFFu, 100000u, 0xFFFF0000u};
    bool ok = false;
    switch (kind) {
    case Hostile::WrongType:
        ok = reg::WriteText(key, name, "1");
        break;
    case Hostile::WrongTypeBinary:
        ok = reg::Write(key, name, REG_BINARY, "\x01\x02\x03", 3);
        break;
    case Hostile::OutOfRange:
        ok = reg::WriteDword(key, name, outOfRange[index % 5]);
        break;
    case Hostile::Empty:
        ok = reg::Write(key, name, REG_DWORD, "", 0);
        break;
    case Hostile::Long:
        ok = reg::Write(key, name, REG_BINARY, kLong.data(), static_cast<DWORD>(kLong.size()));
        break;
    }
    EXPECT_TRUE(ok) << key << "\\" << name;
    return 1;
}

// A text value of the hostile kind; a recent file is a path.
int WriteText(Hostile kind, const std::string& key, const char* name, bool path)
{
    bool ok = false;
    switch (kind) {
    case Hostile::WrongType:
        ok = reg::WriteDword(key, name, 1);
        break;
    case Hostile::WrongTypeBinary:
        ok = reg::Write(key, name, REG_BINARY, "C:\\a.vtl", 8);
        break;
    case Hostile::OutOfRange:
        ok = reg::WriteText(key, name, path ? "C:\\no such folder\\<|>?*.vtl" : "\x01\x7f\xff text");
        break;
    case Hostile::Empty:
        ok = reg::WriteText(key, name, "");
        break;
    case Hostile::Long:
        ok = reg::WriteText(key, name, path ? "C:\\" + kLong + ".vtl" : kLong);
        break;
    }
    EXPECT_TRUE(ok) << key << "\\" << name;
    return 1;
}

int WriteEveryValue(Hostile kind)
{
    int count = 0;
    int index = 0;
    for (const char* name : kOptionNumbers)
        count += WriteNumber(kind, kOptions, name, index++);
    for (const char* name : kOptionTexts)
        count += WriteText(kind, kOptions, name, false);
    for (const std::string& mode : kModes)
        for (const char* name : kPlacement)
            count += WriteNumber(kind, mode, name, index++);
    for (const char* name : kRecentFiles)
        count += WriteText(kind, kRecent, name, true);
    return count;
}

bool OnPrimaryScreen(const RECT& rect)
{
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT overlap{};
    return IntersectRect(&overlap, &rect, &screen) != 0;
}

int Signed(DWORD value)
{
    return static_cast<int>(value);
}

// What the tool wrote at exit: numbers as numbers, Visible as 0 or 1, and the placement of
// the mode it ran in as shown and on the screen.
void ExpectSaneValuesWritten(const char* kind)
{
    const auto visible = reg::ReadDword(kOptions, "Visiblei");
    ASSERT_TRUE(visible) << kind;
    EXPECT_LE(*visible, 1u) << kind;
    // Mini keeps the number it was read as (any non-zero number means Mini), as a DWORD.
    const auto mini = reg::ReadDword(kOptions, "Minii");
    ASSERT_TRUE(mini) << kind;
    const std::string& mode = kModes[*mini != 0 ? 1 : 0];
    const auto show = reg::ReadDword(mode, "WindowPosShowCmd");
    const auto left = reg::ReadDword(mode, "WindowPosLeft");
    const auto top = reg::ReadDword(mode, "WindowPosTop");
    const auto right = reg::ReadDword(mode, "WindowPosRight");
    const auto bottom = reg::ReadDword(mode, "WindowPosBottom");
    ASSERT_TRUE(show && left && top && right && bottom)
        << kind << ": placement of " << mode << " not written as numbers";
    EXPECT_EQ(*show, static_cast<DWORD>(SW_SHOW)) << kind;
    const RECT rect{Signed(*left), Signed(*top), Signed(*right), Signed(*bottom)};
    EXPECT_TRUE(rect.right > rect.left && rect.bottom > rect.top && OnPrimaryScreen(rect))
        << kind << ": " << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
    for (const char* name : kRecentFiles) {
        DWORD type = 0;
        std::string data;
        if (!reg::Read(kRecent, name, type, data))
            continue;
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << kind << ": recent " << name;
    }
}

class HostileRegistry : public testing::Test {
protected:
    void SetUp() override { reg::ClearTool(); }
    void TearDown() override { reg::ClearTool(); }
};
}   // namespace

TEST_F(HostileRegistry, TheToolStartsShowsAndWritesSaneValuesBack)
{
    int cases = 0;
    for (Hostile kind :
         {Hostile::WrongType, Hostile::WrongTypeBinary, Hostile::OutOfRange, Hostile::Empty, Hostile::Long}) {
        reg::ClearTool();
        cases += WriteEveryValue(kind);
        ToolProcess tool;
        ASSERT_TRUE(tool.StartWithHost("--log NUL")) << Name(kind) << ": no frame";
        ASSERT_TRUE(tool.Command(1));
        ASSERT_TRUE(tool.WaitVisible(true, 15000)) << Name(kind) << ": not shown";
        RECT rect{};
        GetWindowRect(tool.Frame(), &rect);
        EXPECT_FALSE(IsIconic(tool.Frame())) << Name(kind);
        EXPECT_TRUE(rect.right - rect.left >= 100 && rect.bottom - rect.top >= 50 && OnPrimaryScreen(rect))
            << Name(kind) << ": " << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
        DWORD code = 1;
        ASSERT_TRUE(tool.Close(20000, code)) << Name(kind) << ": did not end on the close command";
        EXPECT_EQ(code, 0u) << Name(kind);
        for (const std::string& box : tool.Boxes())
            std::printf("  %s: box %s\n", Name(kind), box.substr(0, 120).c_str());
        ExpectSaneValuesWritten(Name(kind));
    }
    std::printf("%d hostile registry values tried over 5 starts\n", cases);
}

// The security policy is read fail-closed: a value that cannot be understood refuses, and the
// tool then ends cleanly without a window; a policy that can be read and grants the right
// lets it start.
TEST_F(HostileRegistry, AHostileSecurityPolicyStartsTheToolOrEndsItCleanly)
{
    std::string ones;
    while (ones.size() < 65536)
        ones += "1,";
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
        bool starts;
    };
    const DWORD refusedRight = 3218;
    const DWORD allOnes = 0xFFFFFFFFu;
    const Case cases[] = {
        {"DeniedRights", REG_DWORD, std::string(reinterpret_cast<const char*>(&refusedRight), 4), false},
        {"DeniedRights", REG_SZ, std::string(1, '\0'), true},
        {"DeniedRights", REG_SZ, ones + '\0', true},
        {"DeniedRights", REG_SZ, kLong + '\0', false},
        {"DeniedRights", REG_BINARY, "", false},
        {"LogonPart1", REG_SZ, std::string("1", 2), false},
        {"LogonPart2", REG_DWORD, "", false},
        {"LogonPart1", REG_DWORD, std::string(reinterpret_cast<const char*>(&allOnes), 4), true},
    };
    for (const Case& c : cases) {
        reg::ClearTool();
        ASSERT_TRUE(reg::Write(reg::kSecurity, c.name, c.type, c.data.data(), static_cast<DWORD>(c.data.size())));
        const std::string label = std::string(c.name) + " of type " + std::to_string(c.type) + ", "
                                  + std::to_string(c.data.size()) + " bytes";
        ToolProcess tool(false);   // a box would keep it from ending: nobody answers one
        const bool started = tool.StartAlone(30000);
        EXPECT_EQ(started, c.starts) << label << (c.starts ? ": did not start" : ": started against the policy");
        if (started) {
            EXPECT_TRUE(tool.Command(3)) << label;
        }
        DWORD code = 0;
        EXPECT_TRUE(tool.WaitForExit(20000, &code)) << label << ": did not end";
        EXPECT_FALSE(ToolProcess::IsCrashCode(code)) << label << std::hex << ": exit code 0x" << code;
        if (c.starts) {
            EXPECT_EQ(code, 0u) << label;
        }
    }
    std::printf("%d hostile security policy values tried\n", static_cast<int>(std::size(cases)));
}
