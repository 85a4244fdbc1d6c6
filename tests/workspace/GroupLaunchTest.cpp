// Group and single launches from a real list manager, as a real host window receives them.
#include "CGroupLaunch.h"
#include "TestHostWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

namespace {
const std::string kRange = "app.command[chrodisplay:range](2:15)";
const std::string kReset = "app.command[chrodisplay:range]()";
const std::string kClear = "app.command[chrodisplay:clear]()";

class GroupLaunch : public testing::Test {
protected:
    DWORD AddGroup(int rangeMode, const std::string& range = "2:15")
    {
        CGroupDataHelper group;
        group.m_strName = "group";
        group.m_nRangeMode = rangeMode;
        group.m_strRange = range;
        DWORD id = 0;
        EXPECT_TRUE(m_lists.AddGroup(group, id));
        return id;
    }
    DWORD AddChro(DWORD group, int type, int function, bool checked, const std::string& mass = "")
    {
        CChromatogramData rec;
        rec.m_nType = type;
        rec.m_nFunction = function;
        rec.m_strMass = mass;
        rec.m_bChecked = checked;
        DWORD id = 0;
        EXPECT_TRUE(m_lists.AddChro(rec, id, group));
        return id;
    }
    // The example group: TIC 1 checked, BPI 2 not, MASS 556.3 1 checked.
    DWORD AddExampleGroup(int rangeMode)
    {
        DWORD group = AddGroup(rangeMode);
        AddChro(group, 0, 1, true);
        AddChro(group, 1, 2, false);
        AddChro(group, 2, 1, true, "556.3");
        return group;
    }

    CListManager m_lists;
    CGroupLaunch m_launch{m_lists};
};
}   // namespace

TEST_F(GroupLaunch, SendsRangeClearThenTheCheckedChromatograms)
{
    DWORD group = AddExampleGroup(2);
    TestHostWindow host;
    EXPECT_TRUE(m_launch.LaunchGroup(group));
    EXPECT_EQ(host.Texts(), (Texts{kRange, kClear, "app.command[chrodisplay:newwindow](TIC:1)",
                                   "app.command[chrodisplay:add](MASS:556.3:1)"}));
}

TEST_F(GroupLaunch, TheRangeModeChoosesTheRangeCommand)
{
    const DWORD reset = AddExampleGroup(1);
    const DWORD keep = AddExampleGroup(0);
    const DWORD unknown = AddExampleGroup(7);
    const Texts shown{kClear, "app.command[chrodisplay:newwindow](TIC:1)",
                      "app.command[chrodisplay:add](MASS:556.3:1)"};
    {
        TestHostWindow host;
        EXPECT_TRUE(m_launch.LaunchGroup(reset));
        Texts expected{kReset};
        expected.insert(expected.end(), shown.begin(), shown.end());
        EXPECT_EQ(host.Texts(), expected);
    }
    for (DWORD group : {keep, unknown}) {
        TestHostWindow host;
        EXPECT_TRUE(m_launch.LaunchGroup(group));
        EXPECT_EQ(host.Texts(), shown);
    }
}

TEST_F(GroupLaunch, NoCheckedChromatogramSendsRangeAndClearAndFails)
{
    DWORD none = AddGroup(0);
    AddChro(none, 0, 1, false);
    AddChro(none, 2, 1, false, "100");
    DWORD empty = AddGroup(2);
    TestHostWindow host;
    EXPECT_FALSE(m_launch.LaunchGroup(none));
    EXPECT_EQ(host.Texts(), Texts{kClear});
    EXPECT_FALSE(m_launch.LaunchGroup(empty));
    EXPECT_EQ(host.Texts(), (Texts{kClear, kRange, kClear}));
}

TEST_F(GroupLaunch, OnlyTheLastCheckedOpensANewWindow)
{
    DWORD group = AddGroup(2);
    AddChro(group, 0, 1, false);
    AddChro(group, 1, 2, false);
    AddChro(group, 3, 0, true);
    TestHostWindow host;
    EXPECT_TRUE(m_launch.LaunchGroup(group));
    EXPECT_EQ(host.Texts(), (Texts{kRange, kClear, "app.command[chrodisplay:newwindow](ANALOG1)"}));
}

TEST_F(GroupLaunch, AnUnknownGroupSendsTheClearCommandAlone)
{
    DWORD group = AddExampleGroup(2);
    TestHostWindow host;
    EXPECT_FALSE(m_launch.LaunchGroup(group + 1000));
    EXPECT_FALSE(m_launch.LaunchGroup(0));
    EXPECT_EQ(host.Texts(), (Texts{kClear, kClear}));
}

TEST_F(GroupLaunch, FunctionZeroIsSentAsTheDiodeArray)
{
    DWORD group = AddGroup(0);
    AddChro(group, 0, 0, true);
    AddChro(group, 2, 0, true, "100");
    TestHostWindow host;
    EXPECT_TRUE(m_launch.LaunchGroup(group));
    EXPECT_EQ(host.Texts(), (Texts{kClear, "app.command[chrodisplay:newwindow](TIC:DAD)",
                                   "app.command[chrodisplay:add](MASS:100:DAD)"}));
}

TEST_F(GroupLaunch, ASingleLaunchIgnoresTheCheckMark)
{
    DWORD group = AddExampleGroup(2);
    DWORD first = 0, bpi = 0;
    ASSERT_TRUE(m_lists.GetChroOrder(group, 0, first));
    ASSERT_TRUE(m_lists.GetChroOrder(group, 1, bpi));
    TestHostWindow host;
    EXPECT_TRUE(m_launch.LaunchChromatogram(group, bpi, "default"));
    EXPECT_TRUE(m_launch.LaunchChromatogram(group, first, "add"));
    EXPECT_FALSE(m_launch.LaunchChromatogram(group, bpi + first + 1000, "default"));
    EXPECT_FALSE(m_launch.LaunchChromatogram(group + 1000, bpi, "default"));
    EXPECT_EQ(host.Texts(), (Texts{"app.command[chrodisplay:default](BPI:2)", "app.command[chrodisplay:add](TIC:1)"}));
}

TEST_F(GroupLaunch, WithoutAHostNothingIsSentButTheLaunchStillSucceeds)
{
    DWORD group = AddExampleGroup(2);
    DWORD first = 0;
    ASSERT_TRUE(m_lists.GetChroOrder(group, 0, first));
    EXPECT_TRUE(m_launch.LaunchGroup(group));
    EXPECT_TRUE(m_launch.LaunchChromatogram(group, first, "default"));
    TestHostWindow host;
    EXPECT_TRUE(host.GetReceived().empty());
}

TEST_F(GroupLaunch, ARefusingHostDoesNotStopTheLaunch)
{
    DWORD group = AddExampleGroup(2);
    TestHostWindow host;
    host.SetAnswer(0);
    EXPECT_TRUE(m_launch.LaunchGroup(group));
    EXPECT_EQ(host.GetReceived().size(), 4u);
}

// A mass text pasted with a closing parenthesis cannot append a command of its own; the
// refused record counts as unchecked, so the next one still opens the new window.
TEST_F(GroupLaunch, AnInjectedMassOrRangeIsNotSent)
{
    DWORD group = AddGroup(2, "2:15)app.command[chrodisplay:clear](");
    AddChro(group, 2, 1, true, "556.3:1)app.command[chrodisplay:clear](");
    AddChro(group, 0, 1, true);
    DWORD onlyUnsafe = AddGroup(0);
    AddChro(onlyUnsafe, 2, 1, true, "1(2");
    TestHostWindow host;
    EXPECT_TRUE(m_launch.LaunchGroup(group));
    EXPECT_FALSE(m_launch.LaunchGroup(onlyUnsafe));
    EXPECT_EQ(host.Texts(), (Texts{kClear, "app.command[chrodisplay:newwindow](TIC:1)", kClear}));
}

// A range read from a file may hold a NUL; it must not become a shorter range or a reset.
TEST_F(GroupLaunch, ARangeHoldingANulIsNotSent)
{
    DWORD group = AddGroup(2, std::string("\0"
                                          "2:15",
                                          5));
    AddChro(group, 0, 1, true);
    TestHostWindow host;
    EXPECT_TRUE(m_launch.LaunchGroup(group));
    EXPECT_EQ(host.Texts(), (Texts{kClear, "app.command[chrodisplay:newwindow](TIC:1)"}));
}
