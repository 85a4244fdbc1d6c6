// The main frame moved to a monitor of twice the DPI, with WM_DPICHANGED as Windows sends it.
#include "CAppOptions.h"
#include "CMainFrame.h"
#include "CToolBarPlus.h"
#include "CWindowSettings.h"
#include "resource.h"

#include <gtest/gtest.h>

TEST(MainFrameDpiTest, TakesTheSuggestedRectangleAndTheImagesOfTheNewDpi)
{
    CAppOptions options;
    CWindowSettings placements;
    auto* frame = new CMainFrame(options, placements, nullptr);   // deletes itself with its window
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr));
    RECT suggested{20, 10, 820, 610}, now{};
    frame->SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(frame->m_hWnd, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested) && frame->ToolBar().ImageSize() == 40);
    frame->DestroyWindow();
}
