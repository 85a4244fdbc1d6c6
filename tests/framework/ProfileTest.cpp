// Profile values through the real registry under HKCU\Software\<company>\<application>.
#include "CWinApp.h"
#include "DialogAnswerer.h"
#include "MessageBox.h"
#include "Registry.h"

#include <gtest/gtest.h>

namespace {
const char kCompanyKey[] = "Software\\VantraceFrameworkTest";

class ProfileTest : public testing::Test {
protected:
    void SetUp() override
    {
        reg::Remove(kCompanyKey);
        m_app.SetRegistryKey("VantraceFrameworkTest");
    }
    void TearDown() override { reg::Remove(kCompanyKey); }

    CWinApp m_app{"ProfileApp"};
};

TEST_F(ProfileTest, ValuesRoundTripUnderCompanyApplicationAndSection)
{
    EXPECT_TRUE(m_app.WriteProfileInt("Options", "Count", -7));
    EXPECT_TRUE(m_app.WriteProfileString("Nested\\Section", "Name", "a b\tc"));
    EXPECT_EQ(static_cast<int>(m_app.GetProfileInt("Options", "Count", 3)), -7);
    EXPECT_EQ(m_app.GetProfileString("Nested\\Section", "Name", "x"), "a b\tc");

    const std::string application = std::string(kCompanyKey) + "\\ProfileApp";
    EXPECT_EQ(reg::ReadDword(application + "\\Options", "Count"), static_cast<DWORD>(-7));
    EXPECT_EQ(reg::ReadText(application + "\\Nested\\Section", "Name"), "a b\tc");
}

TEST_F(ProfileTest, MissingValuesAndValuesOfTheWrongTypeGiveTheDefault)
{
    EXPECT_EQ(static_cast<int>(m_app.GetProfileInt("Options", "Missing", -1)), -1);
    EXPECT_EQ(m_app.GetProfileString("Options", "Missing", "dflt"), "dflt");
    m_app.WriteProfileString("Options", "Number", "12");
    m_app.WriteProfileInt("Options", "Text", 12);
    EXPECT_EQ(static_cast<int>(m_app.GetProfileInt("Options", "Number", 5)), 5);
    EXPECT_EQ(m_app.GetProfileString("Options", "Text", "dflt"), "dflt");
}

TEST(MessageBoxTest, ModalBoxIsFoundAndAnsweredThroughItsButtons)
{
    ui::DialogAnswerer answerer;
    answerer.Expect("Box Caption", IDNO).Start();
    const int answer = ShowMessageBox(nullptr, "Keep going?", "Box Caption", MB_YESNO | MB_ICONQUESTION);
    const auto seen = answerer.Finish();
    EXPECT_EQ(answer, IDNO);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Keep going?");
    EXPECT_EQ(seen[0].iconStyle, static_cast<UINT>(MB_ICONQUESTION));
}
}   // namespace
