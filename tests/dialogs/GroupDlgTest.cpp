// The group details dialog, run for real and driven through its controls.
#include "CGroupDlg.h"
#include "CWinApp.h"
#include "DialogDriver.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
const char kCaption[] = "Edit group details";
const int kRangeControls[] = {IDC_START_X, IDC_END_X, IDC_START_X_LABEL, IDC_END_X_LABEL, IDC_DISPLAY_RANGE_GROUP};
const int kOtherControls[] = {IDC_GROUP_NAME,    IDC_GROUP_COMMENT,  IDC_RANGE_USE_CURRENT,    IDC_RANGE_RESET,
                              IDC_RANGE_SPECIFY, IDC_GROUP_BASED_ON, IDC_GROUP_BASED_ON_LABEL, IDOK,
                              IDCANCEL};

// "1" or "0" per control: enabled or not.
std::string EnabledOf(HWND d, const int* ids, size_t count)
{
    std::string state;
    for (size_t i = 0; i < count; ++i)
        state += drive::Enabled(d, ids[i]) ? '1' : '0';
    return state;
}
std::string RangeState(HWND d)
{
    return EnabledOf(d, kRangeControls, std::size(kRangeControls));
}
std::string OtherState(HWND d)
{
    return EnabledOf(d, kOtherControls, std::size(kOtherControls));
}

class GroupDlgTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dlg.SetTitle(kCaption);
        m_dlg.ResetData();
    }
    CGroupDataHelper Result()
    {
        CGroupDataHelper group;
        m_dlg.GetData(group);
        return group;
    }
    // Chooses "Specify range", types a range and presses OK; the range message, when one
    // comes, is answered and the dialog cancelled. The focus at that moment goes to focus.
    INT_PTR TryRange(const std::string& start, const std::string& end, std::vector<ui::SeenDialog>* seen, int* focus)
    {
        ui::DialogAnswerer answerer;
        answerer.Expect(kCaption, IDOK, [&](HWND d) {
            drive::Click(d, IDC_RANGE_SPECIFY);
            drive::SetText(d, IDC_START_X, start);
            drive::SetText(d, IDC_END_X, end);
        });
        answerer.Expect("Invalid Range", IDOK);
        answerer.Expect(kCaption, IDCANCEL, [focus](HWND d) { *focus = drive::FocusId(d); });
        return drive::RunModal(m_dlg, answerer, seen);
    }

    CGroupDlg m_dlg;
};

TEST_F(GroupDlgTest, OpensWithTheRecord)
{
    CGroupDataHelper group;
    group.m_strName = "Group A";
    group.m_strComment = "A comment";
    group.m_strBasedOn = "Source";
    group.m_strRange = "10:25";
    group.m_nRangeMode = 2;
    m_dlg.SetData(group);
    std::string name, comment, basedOn, start, end, range;
    int focus = 0;
    bool specify = false;
    drive::RunModal(m_dlg, ui::DialogAnswerer().Expect(kCaption, IDCANCEL, [&](HWND d) {
        name = drive::Text(d, IDC_GROUP_NAME);
        comment = drive::Text(d, IDC_GROUP_COMMENT);
        basedOn = drive::Text(d, IDC_GROUP_BASED_ON);
        start = drive::Text(d, IDC_START_X);
        end = drive::Text(d, IDC_END_X);
        specify = IsDlgButtonChecked(d, IDC_RANGE_SPECIFY) == BST_CHECKED;
        range = RangeState(d);
        focus = drive::FocusId(d);
    }));
    EXPECT_EQ("Group A", name);
    EXPECT_EQ("A comment", comment);
    EXPECT_EQ("Source", basedOn);
    EXPECT_EQ("10", start);
    EXPECT_EQ("25", end);
    EXPECT_TRUE(specify);
    EXPECT_EQ("11111", range);
    EXPECT_EQ(IDC_GROUP_NAME, focus);
}

TEST_F(GroupDlgTest, RangeTextIsNotLoadedForOtherModes)
{
    CGroupDataHelper group;
    group.m_strRange = "1:2";
    group.m_nRangeMode = 1;
    m_dlg.SetData(group);
    std::string start, end, range;
    bool reset = false;
    drive::RunModal(m_dlg, ui::DialogAnswerer().Expect(kCaption, IDOK, [&](HWND d) {
        start = drive::Text(d, IDC_START_X);
        end = drive::Text(d, IDC_END_X);
        reset = IsDlgButtonChecked(d, IDC_RANGE_RESET) == BST_CHECKED;
        range = RangeState(d);
    }));
    EXPECT_EQ("", start);
    EXPECT_EQ("", end);
    EXPECT_TRUE(reset);
    EXPECT_EQ("00000", range);
    EXPECT_EQ(1, Result().m_nRangeMode);
    EXPECT_EQ("", Result().m_strRange);
}

TEST_F(GroupDlgTest, InvalidRangesAreRefusedAndTheDialogStaysOpen)
{
    const std::pair<const char*, const char*> refused[] = {{"10", "5"}, {"5", "5"}, {"1.2", "1.8"}};
    for (const auto& [start, end] : refused) {
        SCOPED_TRACE(std::string(start) + ":" + end);
        m_dlg.ResetData();
        std::vector<ui::SeenDialog> seen;
        int focus = 0;
        EXPECT_EQ(IDCANCEL, TryRange(start, end, &seen, &focus));
        ASSERT_EQ(3u, seen.size());
        EXPECT_EQ("Please enter a valid range.", seen[1].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), seen[1].iconStyle);
        EXPECT_EQ(IDC_START_X, focus);
        EXPECT_EQ("", Result().m_strRange);
    }
}

TEST_F(GroupDlgTest, EmptyStartPassesAndReopensWithEmptyBoxes)
{
    ui::DialogAnswerer answerer;
    answerer.Expect(kCaption, IDOK, [](HWND d) {
        drive::Click(d, IDC_RANGE_SPECIFY);
        drive::SetText(d, IDC_END_X, "5");
    });
    EXPECT_EQ(IDOK, drive::RunModal(m_dlg, answerer));
    CGroupDataHelper group;
    group.m_dwKey = 77;
    group.m_bChecked = true;
    m_dlg.GetData(group);
    EXPECT_EQ(":5", group.m_strRange);
    EXPECT_EQ(2, group.m_nRangeMode);
    EXPECT_EQ(77u, group.m_dwKey);   // key and check mark are the caller's
    EXPECT_TRUE(group.m_bChecked);

    std::string start = "?", end = "?";
    drive::RunModal(m_dlg, ui::DialogAnswerer().Expect(kCaption, IDCANCEL, [&](HWND d) {
        start = drive::Text(d, IDC_START_X);
        end = drive::Text(d, IDC_END_X);
    }));
    EXPECT_EQ("", start);
    EXPECT_EQ("", end);
}

TEST_F(GroupDlgTest, RadioButtonsEnableExactlyTheRangeControls)
{
    std::string atOpen, others, specify, othersSpecify, reset, current, keptText;
    drive::RunModal(m_dlg, ui::DialogAnswerer().Expect(kCaption, IDCANCEL, [&](HWND d) {
        atOpen = RangeState(d);
        others = OtherState(d);
        drive::Click(d, IDC_RANGE_SPECIFY);
        specify = RangeState(d);
        othersSpecify = OtherState(d);
        drive::SetText(d, IDC_START_X, "3");
        drive::Click(d, IDC_RANGE_RESET);
        reset = RangeState(d);
        drive::Click(d, IDC_RANGE_SPECIFY);
        drive::Click(d, IDC_RANGE_USE_CURRENT);
        current = RangeState(d);
        keptText = drive::Text(d, IDC_START_X);
    }));
    EXPECT_EQ("00000", atOpen);
    EXPECT_EQ("111110011", others);   // the based-on box and its label stay disabled
    EXPECT_EQ("11111", specify);
    EXPECT_EQ(others, othersSpecify);
    EXPECT_EQ("00000", reset);
    EXPECT_EQ("00000", current);
    EXPECT_EQ("3", keptText);
    EXPECT_EQ(0, Result().m_nRangeMode);   // Cancel leaves the mode of the last click
}

TEST_F(GroupDlgTest, UseCurrentAfterTypingARangeKeepsTheEarlierRange)
{
    CGroupDataHelper group;
    group.m_strRange = "3:4";
    group.m_nRangeMode = 2;
    m_dlg.SetData(group);
    ui::DialogAnswerer answerer;
    answerer.Expect(kCaption, IDOK, [](HWND d) {
        drive::SetText(d, IDC_START_X, "1");
        drive::SetText(d, IDC_END_X, "9");
        drive::Click(d, IDC_RANGE_USE_CURRENT);
    });
    EXPECT_EQ(IDOK, drive::RunModal(m_dlg, answerer));
    EXPECT_EQ(0, Result().m_nRangeMode);
    EXPECT_EQ("3:4", Result().m_strRange);

    m_dlg.ResetData();
    ui::DialogAnswerer second;
    second.Expect(kCaption, IDOK, [](HWND d) {
        drive::Click(d, IDC_RANGE_SPECIFY);
        drive::SetText(d, IDC_START_X, "1");
        drive::SetText(d, IDC_END_X, "9");
        drive::Click(d, IDC_RANGE_USE_CURRENT);
    });
    EXPECT_EQ(IDOK, drive::RunModal(m_dlg, second));
    EXPECT_EQ(0, Result().m_nRangeMode);
    EXPECT_EQ("", Result().m_strRange);
}

TEST_F(GroupDlgTest, RangeBoxesTakeDigitsAndOnePointOnly)
{
    std::string typed, afterBackspace, afterNewPoint, endTyped;
    drive::RunModal(m_dlg, ui::DialogAnswerer().Expect(kCaption, IDCANCEL, [&](HWND d) {
        drive::Click(d, IDC_RANGE_SPECIFY);
        // Letters, signs, colon, space and Ctrl+C/V/X/Z are dropped, as is a second point.
        drive::Type(d, IDC_START_X, "1.2.3-:a 5\x03\x16\x18\x1a");
        typed = drive::Text(d, IDC_START_X);
        drive::Type(d, IDC_START_X, "\b\b\b\b");
        afterBackspace = drive::Text(d, IDC_START_X);
        drive::Type(d, IDC_START_X, ".7");
        afterNewPoint = drive::Text(d, IDC_START_X);
        drive::Type(d, IDC_END_X, "-4:2..5");
        endTyped = drive::Text(d, IDC_END_X);
    }));
    EXPECT_EQ("1.235", typed);
    EXPECT_EQ("1", afterBackspace);
    EXPECT_EQ("1.7", afterNewPoint);
    EXPECT_EQ("42.5", endTyped);
}

TEST_F(GroupDlgTest, PastedTextThatIsNoNumberIsRefusedOnOk)
{
    // Shift+Insert and the box's own menu paste past the typing filter.
    auto paste = [](HWND d, int id, const std::string& text) {
        HWND box = GetDlgItem(d, id);
        ASSERT_TRUE(OpenClipboard(box));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
        SendMessageA(box, WM_PASTE, 0, 0);
    };
    const struct {
        int box;
        const char* text;
        bool taken;
    } cases[] = {
        {IDC_START_X, "1:2", false}, {IDC_START_X, "-5", false}, {IDC_END_X, "9a", false},
        {IDC_END_X, "1.2.3", false}, {IDC_END_X, " 9", false},   {IDC_END_X, "12.5", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        m_dlg.ResetData();
        std::string pasted;
        ui::DialogAnswerer answerer;
        answerer.Expect(kCaption, IDOK, [&](HWND d) {
            drive::Click(d, IDC_RANGE_SPECIFY);
            drive::SetText(d, IDC_START_X, "1");
            drive::SetText(d, IDC_END_X, "9");
            SetDlgItemTextA(d, c.box, "");
            paste(d, c.box, c.text);
            pasted = drive::Text(d, c.box);
        });
        if (!c.taken)
            answerer.Expect("Invalid Range", IDOK).Expect(kCaption, IDCANCEL);
        std::vector<ui::SeenDialog> seen;
        EXPECT_EQ(c.taken ? IDOK : IDCANCEL, drive::RunModal(m_dlg, answerer, &seen));
        EXPECT_EQ(c.text, pasted);
        if (c.taken) {
            EXPECT_EQ(std::string("1:") + c.text, Result().m_strRange);
        } else {
            ASSERT_EQ(3u, seen.size());
            EXPECT_EQ("Please enter a valid range.", seen[1].text);
            EXPECT_EQ("", Result().m_strRange);
        }
    }
}

TEST_F(GroupDlgTest, CommentHoldsAtMost250Characters)
{
    // The name and comment boxes do not scroll: typing stops where the box is full, and
    // the comment box takes no more than 250 characters however narrow they are.
    std::string name, comment;
    LRESULT limit = 0;
    drive::RunModal(m_dlg, ui::DialogAnswerer().Expect(kCaption, IDCANCEL, [&](HWND d) {
        drive::Type(d, IDC_GROUP_NAME, std::string(260, 'W'));
        drive::Type(d, IDC_GROUP_COMMENT, std::string(260, 'W'));
        name = drive::Text(d, IDC_GROUP_NAME);
        comment = drive::Text(d, IDC_GROUP_COMMENT);
        limit = SendDlgItemMessageA(d, IDC_GROUP_COMMENT, EM_GETLIMITTEXT, 0, 0);
    }));
    EXPECT_EQ(250, limit);
    EXPECT_FALSE(name.empty());
    EXPECT_LT(name.size(), 250u);
    EXPECT_EQ(name, comment);

    // A longer text that reached the box some other way is refused on OK, with the
    // application's name as caption.
    CWinApp app("Dialog Test");
    std::vector<ui::SeenDialog> seen;
    int focus = 0;
    ui::DialogAnswerer answerer;
    answerer.Expect(kCaption, IDOK, [](HWND d) {
        drive::SetText(d, IDC_GROUP_NAME, "Long");
        drive::SetText(d, IDC_GROUP_COMMENT, std::string(251, 'd'));
    });
    answerer.Expect("Dialog Test", IDOK);
    answerer.Expect(kCaption, IDCANCEL, [&](HWND d) { focus = drive::FocusId(d); });
    EXPECT_EQ(IDCANCEL, drive::RunModal(m_dlg, answerer, &seen));
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ("This entry may hold no more than 250 characters.", seen[1].text);
    EXPECT_EQ(IDC_GROUP_COMMENT, focus);
}

TEST_F(GroupDlgTest, LongRangeNumbersCompareExactly)
{
    const std::string huge = "99999999999999999999";
    std::vector<ui::SeenDialog> seen;
    int focus = 0;
    EXPECT_EQ(IDCANCEL, TryRange(huge, "5", &seen, &focus));
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ("Please enter a valid range.", seen[1].text);
    EXPECT_EQ(IDC_START_X, focus);

    // Leading zeros do not count: 00012 is 12, more than 9.
    m_dlg.ResetData();
    EXPECT_EQ(IDCANCEL, TryRange("00012", "9", &seen, &focus));
    ASSERT_EQ(3u, seen.size());

    const std::pair<std::string, std::string> accepted[] = {
        {"5", huge}, {huge, "1" + huge}, {"0009", "12"}, {"99999999999999999998.5", huge}};
    for (const auto& [start, end] : accepted) {
        m_dlg.ResetData();
        ui::DialogAnswerer answerer;
        answerer.Expect(kCaption, IDOK, [&](HWND d) {
            drive::Click(d, IDC_RANGE_SPECIFY);
            drive::SetText(d, IDC_START_X, start);
            drive::SetText(d, IDC_END_X, end);
        });
        EXPECT_EQ(IDOK, drive::RunModal(m_dlg, answerer));
        EXPECT_EQ(start + ":" + end, Result().m_strRange);
    }
}
}   // namespace
