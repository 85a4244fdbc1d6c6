// Hostile texts in every field of a group and its chromatograms: a launch sends only the
// commands the launch rules list, each of the command grammar, never a command of its own.
#include "CGroupLaunch.h"
#include "SampleLists.h"
#include "TestHostWindow.h"
#include "FileBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Texts = std::vector<std::string>;

// The command text with an argument, built by appending (the same text the link builds).
std::string Command(const char* name, const std::string& argument, const char* tail = "")
{
    std::string text = "app.command[chrodisplay:";
    text += name;
    text += "](";
    text += argument;
    text += tail;
    text += ')';
    return text;
}

std::vector<std::string> HostileTexts()
{
    std::vector<std::string> texts = {")",
                                      "](",
                                      "app.command[",
                                      "1:2)app.command[chrodisplay:clear](",
                                      "x](y)app.command[quit](",
                                      "[",
                                      "]",
                                      "(",
                                      "556.3]()app.command[",
                                      std::string(65536, 'A'),
                                      std::string(65535, '9').append(")"),
                                      std::string(1, '\0').append("tail")};
    for (int c = 1; c < 0x20; ++c)
        texts.push_back(std::string("1").append(1, static_cast<char>(c)).append("2"));
    texts.push_back("1\x7f"
                    "2");
    return texts;
}

bool Safe(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F || c == '(' || c == ')' || c == '[' || c == ']')
            return false;
    return true;
}

bool IsFunction(const std::string& text)
{
    if (text == "DAD")
        return true;
    size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// Whether a text is one of the launch rules' commands: clear, range with or without a safe
// argument, or show-one with a window kind and a well-formed trace specification.
bool IsListedCommand(const std::string& text)
{
    const std::string head = "app.command[chrodisplay:";
    if (text.compare(0, head.size(), head) != 0 || text.back() != ')')
        return false;
    const size_t close = text.find("](", head.size());
    if (close == std::string::npos)
        return false;
    const std::string name = text.substr(head.size(), close - head.size());
    const std::string argument = text.substr(close + 2, text.size() - close - 3);
    if (!Safe(argument))
        return false;
    if (name == "clear")
        return argument.empty();
    if (name == "range")
        return true;
    if (name != "newwindow" && name != "add" && name != "default")
        return false;
    if (argument.empty())
        return true;
    if (argument.compare(0, 6, "ANALOG") == 0)
        return IsFunction(argument.substr(6)) && argument.substr(6) != "DAD";
    const size_t last = argument.rfind(':');
    if (last == std::string::npos || !IsFunction(argument.substr(last + 1)))
        return false;
    const std::string kind = argument.substr(0, last);
    return kind == "TIC" || kind == "BPI" || kind.compare(0, 5, "MASS:") == 0;
}

class LaunchInjection : public testing::Test {
protected:
    // One group whose every text is the hostile text, with a MASS trace carrying it too,
    // between two plain traces.
    DWORD AddHostileGroup(const std::string& text, int rangeMode)
    {
        CGroupDataHelper group;
        group.m_strName = group.m_strComment = group.m_strBasedOn = group.m_strRange = text;
        group.m_nRangeMode = rangeMode;
        DWORD groupId = 0;
        EXPECT_TRUE(m_lists.AddGroup(group, groupId));
        AddChro(groupId, 2, text, text);
        AddChro(groupId, 0, text, "");
        AddChro(groupId, 3, text, text);
        return groupId;
    }
    void AddChro(DWORD group, int type, const std::string& text, const std::string& mass)
    {
        CChromatogramData chro;
        chro.m_nType = type;
        chro.m_strName = chro.m_strDescription = chro.m_strExtra = chro.m_strBasedOn = text;
        chro.m_strMass = mass;
        DWORD id = 0;
        EXPECT_TRUE(m_lists.AddChro(chro, id, group));
    }
    // What the launch rules send for such a group: the range (when asked for and safe),
    // clear, the MASS trace in a new window when its mass is safe, then the other two (the
    // first of them in the new window when the MASS trace was refused).
    static Texts Expected(const std::string& text, int rangeMode)
    {
        Texts expected;
        // A range holding a NUL is refused like any other unsafe text.
        if (rangeMode == 2 && Safe(text))
            expected.push_back(Command("range", text));
        if (rangeMode == 1)
            expected.push_back("app.command[chrodisplay:range]()");
        expected.push_back("app.command[chrodisplay:clear]()");
        if (Safe(text))
            expected.push_back(Command("newwindow", "MASS:" + text, ":1"));
        expected.push_back(Command(Safe(text) ? "add" : "newwindow", "TIC:1"));
        expected.push_back("app.command[chrodisplay:add](ANALOG1)");
        return expected;
    }

    CListManager m_lists;
    CGroupLaunch m_launch{m_lists};
};
}   // namespace

TEST_F(LaunchInjection, HostileTextsNeverMakeACommandOfTheirOwn)
{
    int sent = 0;
    for (const std::string& text : HostileTexts()) {
        for (int rangeMode : {1, 2}) {
            m_lists.DeleteListContent();
            const DWORD group = AddHostileGroup(text, rangeMode);
            TestHostWindow host;
            EXPECT_TRUE(m_launch.LaunchGroup(group));
            DWORD chro = 0;
            ASSERT_TRUE(m_lists.GetChroOrder(group, 0, chro));
            EXPECT_TRUE(m_launch.LaunchChromatogram(group, chro, "default"));
            Texts expected = Expected(text, rangeMode);
            if (Safe(text))
                expected.push_back(Command("default", "MASS:" + text, ":1"));
            const std::string shown = text.size() > 40 ? text.substr(0, 40).append("...") : text;
            EXPECT_EQ(host.Texts(), expected) << "text: " << shown;
            for (const TestHostWindow::Received& got : host.GetReceived()) {
                EXPECT_TRUE(IsListedCommand(got.text)) << got.text.substr(0, 80);
                // Each command arrives whole, as one NUL-terminated text.
                EXPECT_TRUE(got.terminated && got.size == got.text.size() + 1) << got.text.substr(0, 80);
                ++sent;
            }
        }
    }
    std::printf("%d hostile texts, %d commands received, all listed\n", static_cast<int>(HostileTexts().size()), sent);
}

// The same hostile list saved to a file and read back launches exactly as before.
TEST_F(LaunchInjection, AHostileListReadFromAFileSendsTheSameCommands)
{
    for (const std::string& text : HostileTexts())
        AddHostileGroup(text, 2);
    std::string bytes;
    ASSERT_TRUE(SampleLists::FileBytes(m_lists, bytes));
    char folder[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "vti", 0, path);
    ASSERT_TRUE(WriteBytes(path, bytes));
    CListManager loaded;
    ASSERT_TRUE(loaded.Load(path));
    DeleteFileA(path);

    CGroupLaunch fromFile(loaded);
    const std::vector<std::string> texts = HostileTexts();
    for (size_t i = 0; i < texts.size(); ++i) {
        DWORD group = 0;
        ASSERT_TRUE(loaded.GetGroupOrder(static_cast<int>(i), group));
        TestHostWindow host;
        EXPECT_TRUE(fromFile.LaunchGroup(group));
        EXPECT_EQ(host.Texts(), Expected(texts[i], 2)) << "text " << i;
    }
}
