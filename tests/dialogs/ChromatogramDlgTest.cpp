// The chromatogram details dialog, run for real and driven through its controls.
#include "CChromatogramDlg.h"
#include "DialogDriver.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {
const char kCaption[] = "Edit chromatogram details";

CChromatogramData Record(int type, int function, int analogue, const std::string& mass = "")
{
    CChromatogramData chro;
    chro.m_strName = "Trace";
    chro.m_nType = type;
    chro.m_nFunction = function;
    chro.m_nAnalogue = analogue;
    chro.m_strMass = mass;
    return chro;
}

// Which of the type-dependent controls show: mass label, mass box, analogue label,
// channel box, based-on label, based-on box.
std::string Shown(HWND d)
{
    std::string shown;
    for (int id :
         {IDC_MASS_LABEL, IDC_CHRO_MASS, IDC_ANALOGUE_LABEL, IDC_CHANNEL, IDC_CHRO_BASED_ON_LABEL, IDC_CHRO_BASED_ON})
        shown += drive::Visible(d, id) ? '1' : '0';
    return shown;
}

class ChromatogramDlgTest : public testing::Test {
protected:
    // One run: the action drives the dialog, then OK (or Cancel) is pressed.
    INT_PTR Run(ui::DialogAnswerer::Action action, int button = IDOK)
    {
        ui::DialogAnswerer answerer;
        answerer.Expect(kCaption, button, std::move(action));
        return drive::RunModal(m_dlg, answerer);
    }
    CChromatogramData Result()
    {
        CChromatogramData chro;
        m_dlg.GetData(chro);
        return chro;
    }

    CChromatogramDlg m_dlg;
    void SetUp() override { m_dlg.SetTitle(kCaption); }
};

TEST_F(ChromatogramDlgTest, OpensWithTheRecordAndTitle)
{
    CChromatogramData chro = Record(2, 7, 1, "128.1");
    chro.m_strBasedOn = "Origin";
    m_dlg.SetData(chro);
    std::string name, function, mass, basedOn, type;
    int focus = 0;
    bool basedOnEnabled = true;
    EXPECT_EQ(IDCANCEL, Run(
                            [&](HWND d) {
                                name = drive::Text(d, IDC_CHRO_NAME);
                                function = drive::Text(d, IDC_FUNCTION);
                                mass = drive::Text(d, IDC_CHRO_MASS);
                                basedOn = drive::Text(d, IDC_CHRO_BASED_ON);
                                type = drive::Text(d, IDC_CHRO_TYPE);
                                focus = drive::FocusId(d);
                                basedOnEnabled = drive::Enabled(d, IDC_CHRO_BASED_ON);
                            },
                            IDCANCEL));
    EXPECT_EQ("Trace", name);
    EXPECT_EQ("7", function);
    EXPECT_EQ("128.1", mass);
    EXPECT_EQ("Origin", basedOn);
    EXPECT_EQ("Mass/Channel", type);
    EXPECT_EQ(IDC_CHRO_NAME, focus);
    EXPECT_FALSE(basedOnEnabled);
}

TEST_F(ChromatogramDlgTest, EachTypeShowsItsOwnPairOnly)
{
    m_dlg.SetData(Record(0, 1, 1));
    std::string opened, tic, bpi, mass, analogue;
    Run([&](HWND d) {
        opened = Shown(d);
        drive::Choose(d, IDC_CHRO_TYPE, 2);
        mass = Shown(d);
        drive::Choose(d, IDC_CHRO_TYPE, 3);
        analogue = Shown(d);
        drive::Choose(d, IDC_CHRO_TYPE, 1);
        bpi = Shown(d);
        drive::Choose(d, IDC_CHRO_TYPE, 0);
        tic = Shown(d);
    });
    EXPECT_EQ("000011", opened);
    EXPECT_EQ("110011", mass);
    EXPECT_EQ("001111", analogue);
    EXPECT_EQ("000011", bpi);
    EXPECT_EQ("000011", tic);

    // A type outside 0-3 selects no item and shows neither pair.
    m_dlg.SetData(Record(7, 1, 1));
    std::string unknown, typeText;
    Run([&](HWND d) {
        unknown = Shown(d);
        typeText = drive::Text(d, IDC_CHRO_TYPE);
    });
    EXPECT_EQ("000011", unknown);
    EXPECT_EQ("", typeText);
}

TEST_F(ChromatogramDlgTest, SwitchingTypesKeepsWhatWasTyped)
{
    m_dlg.SetData(Record(2, 1, 1, "1.0"));
    std::string nameAfterSwitch, massAfterReturn, functionAfterSwitch;
    Run([&](HWND d) {
        drive::SetText(d, IDC_CHRO_NAME, "Typed name");
        drive::SetText(d, IDC_FUNCTION, "4");
        drive::SetText(d, IDC_CHRO_MASS, "128.1");
        drive::Choose(d, IDC_CHRO_TYPE, 0);
        nameAfterSwitch = drive::Text(d, IDC_CHRO_NAME);
        functionAfterSwitch = drive::Text(d, IDC_FUNCTION);
        drive::Choose(d, IDC_CHRO_TYPE, 2);
        massAfterReturn = drive::Text(d, IDC_CHRO_MASS);
    });
    EXPECT_EQ("Typed name", nameAfterSwitch);
    EXPECT_EQ("4", functionAfterSwitch);
    EXPECT_EQ("128.1", massAfterReturn);
    const CChromatogramData chro = Result();
    EXPECT_EQ("Typed name", chro.m_strName);
    EXPECT_EQ(2, chro.m_nType);
    EXPECT_EQ(4, chro.m_nFunction);
    EXPECT_EQ("128.1", chro.m_strMass);
    EXPECT_EQ("Function: 4, MASS: 128.1", chro.m_strDescription);
}

TEST_F(ChromatogramDlgTest, DescriptionFollowsTheType)
{
    struct Case {
        CChromatogramData chro;
        const char* function;
        const char* description;
    } cases[] = {
        {Record(0, 1, 1), "3", "Function: 3, TIC"},
        {Record(1, 1, 1), "2", "Function: 2, BPI"},
        {Record(2, 1, 1, "128.1"), "1", "Function: 1, MASS: 128.1"},
        {Record(3, 1, 3), "5", "ANALOG3"},
    };
    for (const Case& c : cases) {
        m_dlg.SetData(c.chro);
        EXPECT_EQ(IDOK, Run([&](HWND d) { drive::SetText(d, IDC_FUNCTION, c.function); }));
        CChromatogramData chro;
        m_dlg.GetData(chro);
        EXPECT_EQ(c.description, chro.m_strDescription);
        EXPECT_EQ(c.chro.m_nType, chro.m_nType);
    }
}

TEST(ChromatogramDlgUnknownType, ReadsBackAsNoTypeWithTheMassFormat)
{
    // A fresh dialog: no function text has been read yet.
    CChromatogramDlg dlg;
    dlg.SetTitle(kCaption);
    dlg.SetData(Record(7, 9, 1, "55"));
    ui::DialogAnswerer answerer;
    answerer.Expect(kCaption, IDOK, [](HWND d) { drive::SetText(d, IDC_CHRO_MASS, "66"); });
    EXPECT_EQ(IDOK, drive::RunModal(dlg, answerer));
    CChromatogramData chro = Record(0, 4, 2, "old");
    dlg.GetData(chro);
    EXPECT_EQ(-1, chro.m_nType);
    EXPECT_EQ("Function: , MASS: 55", chro.m_strDescription);
    EXPECT_EQ(4, chro.m_nFunction);
    EXPECT_EQ(2, chro.m_nAnalogue);
    EXPECT_EQ("old", chro.m_strMass);
}

TEST_F(ChromatogramDlgTest, AnalogueRecordKeepsItsFunction)
{
    m_dlg.SetData(Record(3, 5, 2));
    EXPECT_EQ(IDOK, Run([](HWND d) { drive::SetText(d, IDC_FUNCTION, "9"); }));
    CChromatogramData chro = Record(0, 42, 1, "kept");
    chro.m_strExtra = "extra";
    chro.m_bChecked = false;
    m_dlg.GetData(chro);
    EXPECT_EQ(3, chro.m_nType);
    EXPECT_EQ(42, chro.m_nFunction);
    EXPECT_EQ(2, chro.m_nAnalogue);
    EXPECT_EQ("kept", chro.m_strMass);
    EXPECT_EQ("extra", chro.m_strExtra);
    EXPECT_FALSE(chro.m_bChecked);
    EXPECT_EQ("ANALOG2", chro.m_strDescription);

    // The working record still holds 5: the next opening shows it.
    std::string shown;
    Run([&](HWND d) { shown = drive::Text(d, IDC_FUNCTION); }, IDCANCEL);
    EXPECT_EQ("5", shown);
}

TEST_F(ChromatogramDlgTest, TypedFunctionPassesUnchangedWhileArrowsStopAtTheRange)
{
    m_dlg.SetData(Record(0, 1, 1));
    std::string atTop, atBottom;
    Run([&](HWND d) {
        drive::SetText(d, IDC_FUNCTION, "510");
        for (int i = 0; i < 4; ++i)
            drive::PressKey(d, IDC_FUNCTION, VK_UP);
        atTop = drive::Text(d, IDC_FUNCTION);
        drive::SetText(d, IDC_FUNCTION, "1");
        for (int i = 0; i < 3; ++i)
            drive::PressKey(d, IDC_FUNCTION, VK_DOWN);
        atBottom = drive::Text(d, IDC_FUNCTION);
        drive::SetText(d, IDC_FUNCTION, "");
        drive::Type(d, IDC_FUNCTION, "600");
    });
    EXPECT_EQ("512", atTop);
    EXPECT_EQ("0", atBottom);
    const CChromatogramData chro = Result();
    EXPECT_EQ(600, chro.m_nFunction);
    EXPECT_EQ("Function: 600, TIC", chro.m_strDescription);

    // An empty box gives function 0.
    m_dlg.SetData(Record(1, 8, 1));
    Run([](HWND d) { drive::SetText(d, IDC_FUNCTION, ""); });
    EXPECT_EQ(0, Result().m_nFunction);
}

TEST_F(ChromatogramDlgTest, FunctionPastTheIntRangeSaturates)
{
    m_dlg.SetData(Record(0, 1, 1));
    Run([](HWND d) { drive::SetText(d, IDC_FUNCTION, "99999999999999999999"); });
    const CChromatogramData chro = Result();
    EXPECT_EQ(INT_MAX, chro.m_nFunction);
    EXPECT_EQ("Function: 99999999999999999999, TIC", chro.m_strDescription);
}

TEST_F(ChromatogramDlgTest, TypeChangedOnTheClosedBoxKeepsWhatWasTyped)
{
    // The keyboard and the wheel change the type without opening the list.
    const struct {
        const char* how;
        ui::DialogAnswerer::Action change;
        const char* typeShown;
    } cases[] = {
        {"Down key", [](HWND d) { drive::PressKey(d, IDC_CHRO_TYPE, VK_DOWN); }, "Analogue"},
        {"letter", [](HWND d) { drive::Type(d, IDC_CHRO_TYPE, "T"); }, "TIC"},
        {"wheel", [](HWND d) { SendDlgItemMessageA(d, IDC_CHRO_TYPE, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0); },
         "BPI"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        m_dlg.SetData(Record(2, 1, 1, "1.0"));
        std::string typeShown, name, mass;
        Run([&](HWND d) {
            drive::SetText(d, IDC_CHRO_NAME, "Typed name");
            drive::SetText(d, IDC_FUNCTION, "4");
            drive::SetText(d, IDC_CHRO_MASS, "128.1");
            c.change(d);
            typeShown = drive::Text(d, IDC_CHRO_TYPE);
            name = drive::Text(d, IDC_CHRO_NAME);
            drive::Choose(d, IDC_CHRO_TYPE, 2);
            mass = drive::Text(d, IDC_CHRO_MASS);
        });
        EXPECT_EQ(c.typeShown, typeShown);
        EXPECT_EQ("Typed name", name);
        EXPECT_EQ("128.1", mass);
        const CChromatogramData chro = Result();
        EXPECT_EQ("Typed name", chro.m_strName);
        EXPECT_EQ("Function: 4, MASS: 128.1", chro.m_strDescription);
    }
}

TEST_F(ChromatogramDlgTest, AnalogueDescriptionNamesTheRecordsChannel)
{
    // Text typed into the channel box picks no channel: the record keeps its own, and the
    // description (what the list shows) names the channel the launch sends.
    const struct {
        int channel;
        ui::DialogAnswerer::Action action;
        int expected;
    } cases[] = {
        {2, [](HWND d) { drive::Type(d, IDC_CHANNEL, "\b7"); }, 2},
        {2, [](HWND d) { drive::Choose(d, IDC_CHANNEL, 2); }, 3},
        {1, [](HWND d) { drive::Type(d, IDC_CHANNEL, "\b9"); }, 1},
        {4, [](HWND d) { drive::SetText(d, IDC_CHANNEL, ""); }, 4},
    };
    for (const auto& c : cases) {
        m_dlg.SetData(Record(3, 1, c.channel));
        EXPECT_EQ(IDOK, Run(c.action));
        const CChromatogramData chro = Result();
        EXPECT_EQ(c.expected, chro.m_nAnalogue);
        EXPECT_EQ("ANALOG" + std::to_string(c.expected), chro.m_strDescription);
    }
}

TEST_F(ChromatogramDlgTest, CancelReturnsCancelAndResetGivesDefaults)
{
    m_dlg.SetData(Record(2, 3, 1, "9"));
    EXPECT_EQ(IDCANCEL, Run([](HWND d) { drive::SetText(d, IDC_CHRO_NAME, "Not taken"); }, IDCANCEL));
    EXPECT_EQ("Trace", Result().m_strName);

    m_dlg.ResetData();
    std::string name, type;
    Run([&](HWND d) {
        name = drive::Text(d, IDC_CHRO_NAME);
        type = drive::Text(d, IDC_CHRO_TYPE);
    });
    const CChromatogramData defaults;
    EXPECT_EQ("", name);
    EXPECT_EQ("TIC", type);
    EXPECT_EQ("", Result().m_strName);   // an empty name is the caller's to refuse
    EXPECT_EQ(defaults.m_nFunction, Result().m_nFunction);
}
}   // namespace
