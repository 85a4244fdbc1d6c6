// The results a dialog's handlers return reach the sender: most through DWLP_MSGRESULT,
// the colour, compare, key-to-item and drag-icon messages as the procedure's return value.
#include "CDialog.h"
#include "TestIds.h"

#include <gtest/gtest.h>

namespace {
const LRESULT kAnswer = 0x5A5A;
const UINT WM_TEST_PLAIN = WM_APP + 3;

class CAnsweringDlg : public CDialog {
public:
    CAnsweringDlg() : CDialog(IDD_TEST_DIALOG) {}
    static const MessageMap* GetThisMessageMap()
    {
        using D = CAnsweringDlg;
        static const MsgEntry entries[] = {
            msg::Message<&D::Answer>(WM_CTLCOLORMSGBOX),  msg::Message<&D::Answer>(WM_CTLCOLOREDIT),
            msg::Message<&D::Answer>(WM_CTLCOLORLISTBOX), msg::Message<&D::Answer>(WM_CTLCOLORBTN),
            msg::Message<&D::Answer>(WM_CTLCOLORDLG),     msg::Message<&D::Answer>(WM_CTLCOLORSCROLLBAR),
            msg::Message<&D::Answer>(WM_CTLCOLORSTATIC),  msg::Message<&D::Answer>(WM_COMPAREITEM),
            msg::Message<&D::Answer>(WM_VKEYTOITEM),      msg::Message<&D::Answer>(WM_CHARTOITEM),
            msg::Message<&D::Answer>(WM_QUERYDRAGICON),   msg::Message<&D::Answer>(WM_TEST_PLAIN),
        };
        static const MessageMap map = MakeMessageMap(&CDialog::GetThisMessageMap, entries);
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    LRESULT Answer(WPARAM, LPARAM) { return kAnswer; }
};

TEST(DialogResultTest, EveryHandledResultReachesTheSender)
{
    CAnsweringDlg dlg;
    HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_DIALOG), nullptr,
                                   &CWnd::StaticDlgProc, reinterpret_cast<LPARAM>(&dlg));
    ASSERT_NE(hwnd, nullptr);
    const UINT messages[] = {WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT,      WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN,
                             WM_CTLCOLORDLG,    WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC,  WM_COMPAREITEM,
                             WM_VKEYTOITEM,     WM_CHARTOITEM,        WM_QUERYDRAGICON,   WM_TEST_PLAIN};
    for (UINT message : messages)
        EXPECT_EQ(SendMessageA(hwnd, message, 0, 0), kAnswer) << "message 0x" << std::hex << message;
    dlg.DestroyWindow();
}
}   // namespace
