// The main frame moved to a monitor of twice the DPI, with WM_DPICHANGED as Windows sends it.
#include "CAppOptions.h"
#include "CMainFrame.h"
#include "CToolBarPlus.h"
#include "CWindowSettings.h"
#include "resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {
// The height of the font a window draws with, in pixels.
int FontHeight(HWND window)
{
    LOGFONTA face{};
    auto font = reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
    return font && GetObjectA(font, sizeof face, &face) ? std::abs(face.lfHeight) : 0;
}
}   // namespace

TEST(MainFrameDpiTest, TakesTheSuggestedRectangleAndTheImagesOfTheNewDpi)
{
    CAppOptions options;
    CWindowSettings placements;
    auto* frame = new CMainFrame(options, placements, nullptr);   // deletes itself with its window
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr));
    HWND list = frame->Workspace().GroupList().m_hWnd;
    HWND header = ListView_GetHeader(list);
    const int listFont = FontHeight(list), headerFont = FontHeight(header);
    const int images = frame->ToolBar().ImageSize();
    ASSERT_GT(listFont, 0);
    RECT suggested{20, 10, 820, 610}, now{};
    frame->SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(frame->m_hWnd, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested) && frame->ToolBar().ImageSize() == 40);
    // The text grows with the images, the list's header with the list; back at 96 DPI each
    // font is its first size again (scaled from the scaled one, not twice).
    EXPECT_NEAR(FontHeight(list), 2 * listFont, 1);
    EXPECT_NEAR(FontHeight(header), 2 * headerFont, 1);
    frame->SendMessage(WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_NEAR(FontHeight(list), listFont, 1);
    EXPECT_EQ(frame->ToolBar().ImageSize(), images);
    frame->DestroyWindow();
}
