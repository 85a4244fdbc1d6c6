// The about box as a real modal dialog, answered as a user would.
#include "CDisplayAbout.h"
#include "CWnd.h"
#include "DialogAnswerer.h"
#include "VantraceVersion.h"

#include <gtest/gtest.h>

namespace {
class DisplayAboutTest : public testing::Test {
protected:
    void SetUp() override
    {
        const RECT rc{100, 100, 500, 400};
        ASSERT_TRUE(m_owner.CreateEx(0, nullptr, "About owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rc, nullptr, 0));
    }
    CWnd m_owner;
};

TEST_F(DisplayAboutTest, ShowsNameVersionAndCopyrightInAModalBoxOfTheOwner)
{
    char name[] = "Vantrace";
    char version[] = "2.5";
    CDisplayAbout about(m_owner, name, version, 0, GetModuleHandleA(nullptr));

    HWND boxOwner = nullptr;
    bool ownerEnabled = true;
    ui::DialogAnswerer answerer;
    answerer.Expect("About Vantrace", IDOK, [&](HWND box) {
        boxOwner = GetWindow(box, GW_OWNER);
        ownerEnabled = IsWindowEnabled(m_owner) != FALSE;
    });
    answerer.Start();
    EXPECT_TRUE(about.Show());
    const auto seen = answerer.Finish();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Vantrace\nVersion 2.5\nCopyright (C) Fenwright");
    EXPECT_EQ(boxOwner, m_owner.m_hWnd);
    EXPECT_FALSE(ownerEnabled) << "the owner is disabled while the box is open";
    EXPECT_TRUE(m_owner.IsWindowEnabled());
    EXPECT_EQ(ui::FindDialog("About Vantrace"), nullptr);
}

TEST_F(DisplayAboutTest, WithoutAVersionTextTakesTheProgramsVersionResource)
{
    char name[] = "Vantrace";
    CDisplayAbout about(m_owner, name, nullptr, 0, GetModuleHandleA(nullptr));

    ui::DialogAnswerer answerer;
    answerer.Expect("About Vantrace", IDCANCEL);   // Escape closes it too
    answerer.Start();
    EXPECT_TRUE(about.Show());
    const auto seen = answerer.Finish();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Vantrace\nVersion " VT_VERSION_TEXT "\nCopyright (C) Fenwright");
}
}   // namespace
