// The host simulator's command line.
#include "CHostSimOptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
bool Parse(CHostSimOptions& options, std::vector<const char*> args)
{
    args.insert(args.begin(), "hostsim");
    return options.Parse(static_cast<int>(args.size()), const_cast<char**>(args.data()));
}
}   // namespace

TEST(HostSimOptions, ReadsOptionsThenScriptWords)
{
    CHostSimOptions options;
    ASSERT_TRUE(Parse(options, {"--no-start", "--log", "out.txt", "--hang-ms", "250", "--refuse", "show", "wait", "500",
                                "hang", "on", "refuse", "off", "launch", "close", "quit"}))
        << options.m_strError;
    EXPECT_FALSE(options.m_bStart);
    EXPECT_TRUE(options.m_bRefuse);
    EXPECT_FALSE(options.m_bHang);
    EXPECT_EQ(options.m_strLogPath, "out.txt");
    EXPECT_EQ(options.m_dwHangMs, 250u);
    ASSERT_EQ(options.m_script.size(), 7u);
    const SScriptStep::Kind kinds[] = {SScriptStep::Command, SScriptStep::Wait,    SScriptStep::Hang,
                                       SScriptStep::Refuse,  SScriptStep::Command, SScriptStep::Command,
                                       SScriptStep::Quit};
    const int values[] = {1, 500, 1, 0, 4, 3, 0};
    for (size_t i = 0; i < options.m_script.size(); ++i) {
        EXPECT_EQ(options.m_script[i].kind, kinds[i]) << i;
        EXPECT_EQ(options.m_script[i].value, values[i]) << i;
    }
}

TEST(HostSimOptions, RejectsWhatItDoesNotUnderstand)
{
    const std::vector<std::vector<const char*>> bad = {
        {"--bogus"},
        {"--log"},
        {"--hang-ms", "-5"},
        {"--close-timeout", "1e3"},
        {"wait"},
        {"wait", "soon"},
        {"hang", "yes"},
        {"refuse"},
        {"jump"},
        {"show", "--no-start"},
    };
    for (const auto& args : bad) {
        CHostSimOptions options;
        EXPECT_FALSE(Parse(options, args)) << args[0];
        EXPECT_FALSE(options.m_strError.empty()) << args[0];
    }
}
