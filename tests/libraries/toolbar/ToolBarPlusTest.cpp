// The toolbar utility on a real toolbar control with the tool's own resources: buttons and
// image strips from LoadToolBar, and the separators TidySeparators hides and shows.
#include "CToolBarPlus.h"
#include "FrameworkIds.h"
#include "resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {
constexpr UINT kSep = ID_SEPARATOR;
const std::vector<UINT> kResourceOrder = {ID_FILE_OPEN, ID_FILE_SAVE,    kSep, ID_VIEW_MINIMISE,  kSep,
                                          ID_GROUP_ADD, ID_GROUP_DELETE, kSep, ID_CHRO_ADD,       ID_CHRO_DELETE,
                                          kSep,         ID_AUTOMATE,     kSep, ID_GROUP_PREVIOUS, ID_GROUP_NEXT};

// Colour of one pixel of an image list's image, drawn transparently over white.
COLORREF PixelOf(HIMAGELIST list, int image, int x, int y)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, CToolBarPlus::kImageSize, CToolBarPlus::kImageSize);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, CToolBarPlus::kImageSize, CToolBarPlus::kImageSize};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ImageList_Draw(list, image, dc, 0, 0, ILD_TRANSPARENT);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colour;
}

class ToolBarPlusTest : public testing::Test {
protected:
    void SetUp() override
    {
        const RECT rc{0, 0, 600, 200};
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "Toolbar test", WS_OVERLAPPEDWINDOW, rc, nullptr, 0));
        ASSERT_TRUE(
            m_bar.CreateEx(&m_frame, TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TRANSPARENT,
                           WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_FLYBY | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS,
                           RECT{}, AFX_IDW_TOOLBAR));
    }

    bool Load(unsigned toolbar = IDR_TOOLBAR, unsigned normal = IDB_TOOLBAR_NORMAL, unsigned hot = IDB_TOOLBAR_HOT,
              unsigned disabled = IDB_TOOLBAR_DISABLED)
    {
        return m_bar.LoadToolBar(GetModuleHandleA(nullptr), toolbar, normal, hot, disabled);
    }

    int IndexOf(UINT id) const { return static_cast<int>(m_bar.SendMessage(TB_COMMANDTOINDEX, id)); }
    void Hide(UINT id, bool hidden = true) { m_bar.SendMessage(TB_HIDEBUTTON, id, MAKELPARAM(hidden, 0)); }
    bool HiddenAt(int index) const { return (m_bar.GetButtonStyle(index) >> 16) & TBSTATE_HIDDEN; }

    // The ids of the items that are not hidden, in order (0 for a separator).
    std::vector<UINT> Visible() const
    {
        std::vector<UINT> ids;
        for (int i = 0; i < m_bar.GetCount(); ++i)
            if (!HiddenAt(i))
                ids.push_back(m_bar.GetItemID(i));
        return ids;
    }

    CWnd m_frame;
    CToolBarPlus m_bar;
};

TEST_F(ToolBarPlusTest, LoadsTheButtonsOfTheResourceInOrderWithOneImageEach)
{
    ASSERT_TRUE(Load());
    ASSERT_EQ(m_bar.GetCount(), 15);
    int image = 0;
    for (int i = 0; i < m_bar.GetCount(); ++i) {
        EXPECT_EQ(m_bar.GetItemID(i), kResourceOrder[i]) << "button " << i;
        TBBUTTON button{};
        m_bar.SendMessage(TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (kResourceOrder[i] == kSep) {
            EXPECT_TRUE(button.fsStyle & BTNS_SEP) << "button " << i;
        } else {
            EXPECT_EQ(button.iBitmap, image++) << "button " << i;
        }
    }
    EXPECT_EQ(Visible(), kResourceOrder);
}

TEST_F(ToolBarPlusTest, AttachesNormalHotAndDisabledListsOfTenImages)
{
    ASSERT_TRUE(Load());
    const auto normal = reinterpret_cast<HIMAGELIST>(m_bar.SendMessage(TB_GETIMAGELIST));
    const auto hot = reinterpret_cast<HIMAGELIST>(m_bar.SendMessage(TB_GETHOTIMAGELIST));
    const auto disabled = reinterpret_cast<HIMAGELIST>(m_bar.SendMessage(TB_GETDISABLEDIMAGELIST));
    for (HIMAGELIST list : {normal, hot, disabled}) {
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(ImageList_GetImageCount(list), 10);
        int cx = 0, cy = 0;
        ImageList_GetIconSize(list, &cx, &cy);
        EXPECT_EQ(cx, 20);
        EXPECT_EQ(cy, 20);
    }
    EXPECT_TRUE(normal != hot && hot != disabled && normal != disabled);

    // Magenta is transparent; the Open folder's edge keeps its colour in the normal list,
    // is brighter in the hot one and grey in the disabled one.
    EXPECT_EQ(PixelOf(normal, 0, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(PixelOf(disabled, 0, 0, 0), RGB(255, 255, 255));
    const COLORREF edge = PixelOf(normal, 0, 1, 5);
    EXPECT_EQ(edge, RGB(0xB8, 0x86, 0x0B));
    const COLORREF lit = PixelOf(hot, 0, 1, 5);
    EXPECT_GT(GetRValue(lit), GetRValue(edge));
    EXPECT_GT(GetGValue(lit), GetGValue(edge));
    EXPECT_GT(GetBValue(lit), GetBValue(edge));
    const COLORREF greyed = PixelOf(disabled, 0, 1, 5);
    EXPECT_EQ(GetRValue(greyed), GetGValue(greyed));
    EXPECT_EQ(GetGValue(greyed), GetBValue(greyed));
}

TEST_F(ToolBarPlusTest, MissingResourcesFailAndLeaveTheToolbarAsItWas)
{
    EXPECT_FALSE(Load(IDR_TOOLBAR, 999, IDB_TOOLBAR_HOT, IDB_TOOLBAR_DISABLED));
    EXPECT_FALSE(Load(IDR_TOOLBAR, IDB_TOOLBAR_NORMAL, 999, IDB_TOOLBAR_DISABLED));
    EXPECT_FALSE(Load(IDR_TOOLBAR, IDB_TOOLBAR_NORMAL, IDB_TOOLBAR_HOT, 999));
    EXPECT_FALSE(Load(999));
    EXPECT_EQ(m_bar.GetCount(), 0);

    ASSERT_TRUE(Load());
    const auto normal = m_bar.SendMessage(TB_GETIMAGELIST);
    EXPECT_FALSE(Load(IDR_TOOLBAR, IDB_TOOLBAR_NORMAL, IDB_TOOLBAR_HOT, 999));
    EXPECT_EQ(m_bar.GetCount(), 15);
    EXPECT_EQ(m_bar.SendMessage(TB_GETIMAGELIST), normal);

    // An icon is not a bitmap strip.
    EXPECT_FALSE(Load(IDR_TOOLBAR, IDR_MAINFRAME, IDB_TOOLBAR_HOT, IDB_TOOLBAR_DISABLED));
}

TEST_F(ToolBarPlusTest, TidyingAFullToolbarHidesNothing)
{
    ASSERT_TRUE(Load());
    m_bar.TidySeparators();
    EXPECT_EQ(Visible(), kResourceOrder);
}

TEST_F(ToolBarPlusTest, WithOnlyMinimiseVisibleEverySeparatorIsHidden)
{
    ASSERT_TRUE(Load());
    for (UINT id : kResourceOrder)
        if (id != kSep && id != ID_VIEW_MINIMISE)
            Hide(id);
    m_bar.TidySeparators();
    EXPECT_EQ(Visible(), std::vector<UINT>{ID_VIEW_MINIMISE});
}

TEST_F(ToolBarPlusTest, MiniModeSeparatorsTurnedIntoHiddenButtonsComeBackTidy)
{
    // The frame's Mini mode: separators become hidden buttons with temporary ids, every
    // other button but Minimise is hidden; Normal mode turns them back.
    ASSERT_TRUE(Load());
    UINT temporary = 100001;
    for (int i = 0; i < m_bar.GetCount(); ++i) {
        const UINT id = m_bar.GetItemID(i);
        if (id == kSep) {
            m_bar.SetButtonInfo(i, temporary, 0, 0);
            Hide(temporary++);
        } else if (id != ID_VIEW_MINIMISE) {
            Hide(id);
        }
    }
    m_bar.TidySeparators();
    EXPECT_EQ(Visible(), std::vector<UINT>{ID_VIEW_MINIMISE});

    temporary = 100001;
    for (int i = 0; i < m_bar.GetCount(); ++i) {
        if (m_bar.GetItemID(i) == temporary) {
            m_bar.SetButtonInfo(i, kSep, BTNS_SEP, 0);
            ++temporary;
        }
        TBBUTTON button{};
        m_bar.SendMessage(TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        TBBUTTONINFOA info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_BYINDEX | TBIF_STATE;
        info.fsState = static_cast<BYTE>(button.fsState & ~TBSTATE_HIDDEN);
        m_bar.SendMessage(TB_SETBUTTONINFOA, i, reinterpret_cast<LPARAM>(&info));
    }
    m_bar.TidySeparators();
    EXPECT_EQ(Visible(), kResourceOrder);
}

TEST_F(ToolBarPlusTest, HidesLeadingTrailingAndAdjacentSeparators)
{
    ASSERT_TRUE(Load());
    Hide(ID_FILE_OPEN);
    Hide(ID_FILE_SAVE);
    m_bar.TidySeparators();
    EXPECT_TRUE(HiddenAt(2)) << "leading separator";
    EXPECT_EQ(Visible(),
              (std::vector<UINT>{ID_VIEW_MINIMISE, kSep, ID_GROUP_ADD, ID_GROUP_DELETE, kSep, ID_CHRO_ADD,
                                 ID_CHRO_DELETE, kSep, ID_AUTOMATE, kSep, ID_GROUP_PREVIOUS, ID_GROUP_NEXT}));

    Hide(ID_GROUP_PREVIOUS);
    Hide(ID_GROUP_NEXT);
    Hide(ID_CHRO_ADD);
    Hide(ID_CHRO_DELETE);
    m_bar.TidySeparators();
    EXPECT_EQ(Visible(), (std::vector<UINT>{ID_VIEW_MINIMISE, kSep, ID_GROUP_ADD, ID_GROUP_DELETE, kSep, ID_AUTOMATE}));
    EXPECT_TRUE(HiddenAt(12)) << "trailing separator";

    // Shown again, the buttons get their separators back.
    for (UINT id : {ID_FILE_OPEN, ID_FILE_SAVE, ID_GROUP_PREVIOUS, ID_GROUP_NEXT, ID_CHRO_ADD, ID_CHRO_DELETE})
        Hide(id, false);
    m_bar.TidySeparators();
    EXPECT_EQ(Visible(), kResourceOrder);
}
}   // namespace
