// The framework's modal dialog: owner, data exchange, OK and Cancel.
#include "CDialog.h"
#include "CWinApp.h"
#include "DialogDriver.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {
// A dialog on the group template that exchanges two texts and checks the name's length.
class CTextDlg : public CDialog {
public:
    CTextDlg() : CDialog(IDD_GROUP_DETAILS) {}
    std::string m_strName = "first";
    std::string m_strComment = "second";
    int m_nInits = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_GROUP_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 5);
        DDX_Text(pDX, IDC_GROUP_COMMENT, m_strComment);
    }
    BOOL OnInitDialog() override
    {
        ++m_nInits;
        return CDialog::OnInitDialog();
    }
};

TEST(DialogFramework, RunsModallyOverTheMainWindowAndExchangesData)
{
    CWinApp app("Dialog Test");
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 300, 200}, nullptr, 0));
    app.m_pMainWnd = &main;

    CTextDlg dlg;
    std::string name, comment;
    bool ownerEnabled = true;
    HWND owner = nullptr;
    std::vector<ui::SeenDialog> seen;
    ui::DialogAnswerer answerer;
    answerer.Expect("Group Details", IDOK, [&](HWND d) {
        name = drive::Text(d, IDC_GROUP_NAME);
        comment = drive::Text(d, IDC_GROUP_COMMENT);
        owner = GetWindow(d, GW_OWNER);
        ownerEnabled = IsWindowEnabled(main.m_hWnd) != FALSE;
        drive::SetText(d, IDC_GROUP_NAME, "abcdef");
        drive::SetText(d, IDC_GROUP_COMMENT, "changed");
    });
    answerer.Expect("Dialog Test", IDOK);
    answerer.Expect("Group Details", IDOK, [](HWND d) { drive::SetText(d, IDC_GROUP_NAME, "abcde"); });
    EXPECT_EQ(IDOK, drive::RunModal(dlg, answerer, &seen));
    EXPECT_EQ("first", name);
    EXPECT_EQ("second", comment);
    EXPECT_EQ(main.m_hWnd, owner);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(main.m_hWnd));
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ("This entry may hold no more than 5 characters.", seen[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), seen[1].iconStyle);
    EXPECT_EQ("abcde", dlg.m_strName);
    EXPECT_EQ("changed", dlg.m_strComment);
    EXPECT_EQ(1, dlg.m_nInits);
    EXPECT_EQ(nullptr, dlg.m_hWnd);

    // Cancel saves nothing; the object runs again from the template.
    answerer.Finish();
    ui::DialogAnswerer again;
    again.Expect("Group Details", IDCANCEL, [](HWND d) { drive::SetText(d, IDC_GROUP_NAME, "xyz"); });
    EXPECT_EQ(IDCANCEL, drive::RunModal(dlg, again));
    EXPECT_EQ("abcde", dlg.m_strName);
    EXPECT_EQ(2, dlg.m_nInits);
    app.m_pMainWnd = nullptr;
}

TEST(DialogFramework, CloseBoxAndEscapeCancel)
{
    CTextDlg dlg;
    ui::DialogAnswerer closeBox;
    closeBox.Expect("Group Details", 0, [](HWND d) {
        drive::SetText(d, IDC_GROUP_NAME, "gone");
        PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(IDCANCEL, drive::RunModal(dlg, closeBox));
    EXPECT_EQ("first", dlg.m_strName);

    ui::DialogAnswerer escape;
    escape.Expect("Group Details", 0, [](HWND d) {
        HWND name = GetDlgItem(d, IDC_GROUP_NAME);
        PostMessageA(name, WM_KEYDOWN, VK_ESCAPE, 1);
        PostMessageA(name, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    });
    EXPECT_EQ(IDCANCEL, drive::RunModal(dlg, escape));
}

TEST(DialogFramework, MissingTemplateFails)
{
    CDialog dlg(4321);
    EXPECT_EQ(-1, dlg.DoModal());
}
}   // namespace
