// The host display commands as a real host window receives them through hostscript.dll.
#include "CChroDisplayLink.h"
#include "TestHostWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

namespace {
CChromatogramData Chromatogram(int type, int function, const std::string& mass = "", int analogue = 1)
{
    CChromatogramData rec;
    rec.m_nType = type;
    rec.m_nFunction = function;
    rec.m_strMass = mass;
    rec.m_nAnalogue = analogue;
    return rec;
}

std::string Built(const CChromatogramData& rec, const char* kind)
{
    std::string text = "unchanged";
    EXPECT_TRUE(CChroDisplayLink().BuildDisplayCommand(rec, text, kind));
    return text;
}
}   // namespace

TEST(ChroDisplayLink, BuildsTheTraceTextOfEveryType)
{
    EXPECT_EQ(Built(Chromatogram(0, 1), "newwindow"), "app.command[chrodisplay:newwindow](TIC:1)");
    EXPECT_EQ(Built(Chromatogram(1, 2), "add"), "app.command[chrodisplay:add](BPI:2)");
    EXPECT_EQ(Built(Chromatogram(2, 1, "556.3"), "add"), "app.command[chrodisplay:add](MASS:556.3:1)");
    EXPECT_EQ(Built(Chromatogram(3, 5, "", 2), "default"), "app.command[chrodisplay:default](ANALOG2)");
    EXPECT_EQ(Built(Chromatogram(4, 1, "12"), "add"), "app.command[chrodisplay:add]()");
    EXPECT_EQ(Built(Chromatogram(-1, 1), "add"), "app.command[chrodisplay:add]()");
}

TEST(ChroDisplayLink, SendsGenericCommandsWithAndWithoutArgument)
{
    TestHostWindow host;
    EXPECT_TRUE(CChroDisplayLink::SendHostCommand("chrodisplay:range", "2:15"));
    EXPECT_TRUE(CChroDisplayLink::SendHostCommand("chrodisplay:range", nullptr));
    EXPECT_TRUE(CChroDisplayLink::SendHostCommand("chrodisplay:range", ""));
    CChroDisplayLink link;
    EXPECT_TRUE(link.ClearDisplay());
    EXPECT_TRUE(link.SetDisplayRange("0.5:30"));
    EXPECT_TRUE(link.SetDisplayRange(nullptr));
    EXPECT_TRUE(link.LaunchChromatogram(Chromatogram(2, 3, "556.3"), "default"));
    EXPECT_EQ(host.Texts(), (Texts{
                                "app.command[chrodisplay:range](2:15)",
                                "app.command[chrodisplay:range]()",
                                "app.command[chrodisplay:range]()",
                                "app.command[chrodisplay:clear]()",
                                "app.command[chrodisplay:range](0.5:30)",
                                "app.command[chrodisplay:range]()",
                                "app.command[chrodisplay:default](MASS:556.3:3)",
                            }));
    for (const TestHostWindow::Received& received : host.GetReceived())
        EXPECT_EQ(received.tag, 0x56540001u);
}

TEST(ChroDisplayLink, NothingIsSentWhenTheHostDoesNotRun)
{
    CChroDisplayLink link;
    EXPECT_FALSE(CChroDisplayLink::SendHostCommand("chrodisplay:clear", nullptr));
    EXPECT_FALSE(link.ClearDisplay());
    EXPECT_FALSE(link.LaunchChromatogram(Chromatogram(0, 1), "add"));

    TestHostWindow host;   // appears afterwards: it was never sent anything
    EXPECT_TRUE(host.GetReceived().empty());
}

TEST(ChroDisplayLink, ARefusingHostGivesFalse)
{
    TestHostWindow host;
    host.SetAnswer(0);
    CChroDisplayLink link;
    EXPECT_FALSE(link.ClearDisplay());
    EXPECT_FALSE(link.SetDisplayRange("1:2"));
    EXPECT_FALSE(link.LaunchChromatogram(Chromatogram(0, 1), "add"));
    EXPECT_EQ(host.GetReceived().size(), 3u);
}

// Brackets, parentheses and control characters would end a command and start another.
TEST(ChroDisplayLink, RefusesFieldsThatWouldBreakOutOfTheCommand)
{
    TestHostWindow host;
    CChroDisplayLink link;
    const char* const ranges[] = {
        "1:2)app.command[chrodisplay:clear](", "1:2]", "[1:2", "1:2(", "1:2\n", "1:\t2", "1:2\x7f"};
    for (const char* range : ranges)
        EXPECT_FALSE(link.SetDisplayRange(range)) << range;
    const char* const masses[] = {"556.3:1)app.command[chrodisplay:clear](", "556]", "(556", "556\r\n",
                                  "55\x01"
                                  "6"};
    for (const char* mass : masses)
        EXPECT_FALSE(link.LaunchChromatogram(Chromatogram(2, 1, mass), "add")) << mass;
    EXPECT_FALSE(link.LaunchChromatogram(Chromatogram(0, 1), "add](x)app.command[y"));
    EXPECT_FALSE(CChroDisplayLink::SendHostCommand("chrodisplay:clear]()app.command[quit", nullptr));
    EXPECT_TRUE(host.GetReceived().empty());

    // Everything else the fields may hold still goes through unchanged.
    EXPECT_TRUE(link.SetDisplayRange("1,5 : 2.5e1"));
    EXPECT_TRUE(link.LaunchChromatogram(Chromatogram(2, 1, "556.3-557 \xB5"), "add"));
    EXPECT_EQ(host.Texts(), (Texts{"app.command[chrodisplay:range](1,5 : 2.5e1)",
                                   "app.command[chrodisplay:add](MASS:556.3-557 \xB5:1)"}));
}
