// The main frame moved to a monitor of twice the DPI, with WM_DPICHANGED as Windows sends it.
#include "CAppOptions.h"
#include "CMainFrame.h"
#include "CToolBarPlus.h"
#include "CWindowSettings.h"
#include "RegistryFixture.h"
#include "resource.h"

#include <commctrl.h>

#include <cstdlib>

namespace {
class MainFrameDpiTest : public regtest::RegistryTest {
protected:
    MainFrameDpiTest() : RegistryTest({reg::Tool("WindowSettings"), reg::Tool("Options")}) {}
};

int StateImageSize(HWND list)
{
    int cx = 0, cy = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_STATE, 0)), &cx, &cy);
    return cx;
}

int FontHeight(HWND window)
{
    LOGFONTA face{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof face, &face);
    return std::abs(face.lfHeight);
}

TEST_F(MainFrameDpiTest, TakesTheSuggestedRectangleAndTheImagesAndFontsOfTheNewDpi)
{
    CAppOptions options;
    options.DefineEntries();
    CWindowSettings placements;
    auto* frame = new CMainFrame(options, placements, nullptr);   // deletes itself with its window
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr));
    HWND list = FindWindowExA(frame->Workspace().m_hWnd, nullptr, WC_LISTVIEWA, nullptr);
    ASSERT_EQ(StateImageSize(list), 20);
    const int fontHeight = FontHeight(list);

    RECT suggested{20, 10, 820, 610};
    frame->SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    GetWindowRect(frame->m_hWnd, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    for (HWND each = list; each; each = FindWindowExA(frame->Workspace().m_hWnd, each, WC_LISTVIEWA, nullptr)) {
        EXPECT_EQ(StateImageSize(each), 40);
        EXPECT_EQ(FontHeight(each), 2 * fontHeight);
    }
    EXPECT_EQ(frame->ToolBar().ImageSize(), 40);
    frame->DestroyWindow();
}
}   // namespace
