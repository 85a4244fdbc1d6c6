// Window placements per view mode against the real registry under
// HKCU\Software\Fenwright\Vantrace\WindowSettings.
#include "CWindowSettings.h"
#include "RegistryFixture.h"
#include "ViewModes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using reg::ReadDword;
using reg::WriteDword;

const std::string kSettings = reg::Tool("WindowSettings");
const std::string kNormal = kSettings + "\\" + kViewModeNormal;
const std::string kMini = kSettings + "\\" + kViewModeMini;

const char* const kValueNames[] = {"WindowPosFlags", "WindowPosShowCmd", "WindowPosMinX", "WindowPosMinY",
                                   "WindowPosMaxX",  "WindowPosMaxY",    "WindowPosLeft", "WindowPosTop",
                                   "WindowPosRight", "WindowPosBottom"};

RECT WorkArea()
{
    RECT work{};
    EXPECT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    return work;
}

RECT FullScreenRect()
{
    return RECT{0, 0, GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
}

void ExpectRect(const RECT& actual, const RECT& expected)
{
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

WINDOWPLACEMENT Placement(UINT showCmd, RECT rect)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = WPF_RESTORETOMAXIMIZED;
    placement.showCmd = showCmd;
    placement.ptMinPosition = POINT{-32000, -32000};
    placement.ptMaxPosition = POINT{3, 4};
    placement.rcNormalPosition = rect;
    return placement;
}

// Stores the ten values of a placement directly, as an earlier run (or a user) left them.
void StoreRect(const std::string& section, int showCmd, RECT rect)
{
    EXPECT_TRUE(WriteDword(section, "WindowPosShowCmd", static_cast<DWORD>(showCmd)));
    EXPECT_TRUE(WriteDword(section, "WindowPosLeft", static_cast<DWORD>(rect.left)));
    EXPECT_TRUE(WriteDword(section, "WindowPosTop", static_cast<DWORD>(rect.top)));
    EXPECT_TRUE(WriteDword(section, "WindowPosRight", static_cast<DWORD>(rect.right)));
    EXPECT_TRUE(WriteDword(section, "WindowPosBottom", static_cast<DWORD>(rect.bottom)));
}

class WindowSettingsTest : public regtest::RegistryTest {
protected:
    WindowSettingsTest() : RegistryTest({kSettings}) {}

    WINDOWPLACEMENT Load(const char* mode, UINT dpi = 0)
    {
        WINDOWPLACEMENT placement{};
        m_settings.LoadPlacement(placement, mode, dpi);
        return placement;
    }

    CWindowSettings m_settings;
};

TEST_F(WindowSettingsTest, EmptyRegistryGivesTheDefaultPlacementOfEachMode)
{
    const RECT work = WorkArea();
    const LONG r = work.right, b = work.bottom;

    const WINDOWPLACEMENT normal = Load(kViewModeNormal);
    EXPECT_EQ(normal.length, sizeof(WINDOWPLACEMENT));
    EXPECT_EQ(normal.flags, 0u);
    EXPECT_EQ(normal.showCmd, static_cast<UINT>(SW_HIDE));
    EXPECT_EQ(normal.ptMinPosition.x, -1);
    EXPECT_EQ(normal.ptMinPosition.y, -1);
    EXPECT_EQ(normal.ptMaxPosition.x, -1);
    EXPECT_EQ(normal.ptMaxPosition.y, -1);
    ExpectRect(normal.rcNormalPosition, RECT{r / 2, b / 2, r, b});

    const WINDOWPLACEMENT mini = Load(kViewModeMini);
    EXPECT_EQ(mini.showCmd, static_cast<UINT>(SW_SHOW));
    EXPECT_EQ(mini.flags, 0u);
    EXPECT_EQ(mini.ptMaxPosition.x, -1);
    ExpectRect(mini.rcNormalPosition, RECT{r - r / 4, b - b / 4, r, b});

    EXPECT_FALSE(reg::KeyExists(kSettings)) << "loading writes nothing";
}

TEST_F(WindowSettingsTest, SavedPlacementIsWrittenAsTenNumbersAndLoadedBack)
{
    const WINDOWPLACEMENT saved = Placement(SW_HIDE, RECT{100, 120, 500, 420});
    m_settings.SavePlacement(saved, kViewModeNormal);

    const DWORD expected[] = {WPF_RESTORETOMAXIMIZED,
                              SW_HIDE,
                              static_cast<DWORD>(-32000),
                              static_cast<DWORD>(-32000),
                              3,
                              4,
                              100,
                              120,
                              500,
                              420};
    for (size_t i = 0; i < std::size(kValueNames); ++i)
        EXPECT_EQ(ReadDword(kNormal, kValueNames[i]), expected[i]) << kValueNames[i];
    EXPECT_EQ(reg::ValueCount(kNormal), 10u) << "the record's length is not stored";

    // The close box stores show command 0: the next start is hidden.
    const WINDOWPLACEMENT loaded = Load(kViewModeNormal);
    EXPECT_EQ(loaded.length, sizeof(WINDOWPLACEMENT));
    EXPECT_EQ(loaded.flags, static_cast<UINT>(WPF_RESTORETOMAXIMIZED));
    EXPECT_EQ(loaded.showCmd, static_cast<UINT>(SW_HIDE));
    EXPECT_EQ(loaded.ptMinPosition.x, -32000);
    EXPECT_EQ(loaded.ptMinPosition.y, -32000);
    EXPECT_EQ(loaded.ptMaxPosition.x, 3);
    EXPECT_EQ(loaded.ptMaxPosition.y, 4);
    ExpectRect(loaded.rcNormalPosition, saved.rcNormalPosition);
    ExpectRect(Load(kViewModeNormal, 192).rcNormalPosition, saved.rcNormalPosition);   // stored without its DPI
}

TEST_F(WindowSettingsTest, PlacementTakenAt96DpiIsTwiceAsLargeAt192)
{
    m_settings.SavePlacement(Placement(SW_SHOW, RECT{100, 50, 500, 350}), kViewModeNormal, 96);
    ExpectRect(Load(kViewModeNormal, 192).rcNormalPosition, RECT{100, 50, 900, 650});
}

TEST_F(WindowSettingsTest, StoredShowCommandAloneTakesTheTableDefaultsForTheRest)
{
    EXPECT_TRUE(WriteDword(kNormal, "WindowPosShowCmd", SW_SHOWMAXIMIZED));
    const WINDOWPLACEMENT loaded = Load(kViewModeNormal);
    EXPECT_EQ(loaded.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(loaded.flags, 0u);
    EXPECT_EQ(loaded.ptMinPosition.x, -1);
    EXPECT_EQ(loaded.ptMaxPosition.y, -1);
    ExpectRect(loaded.rcNormalPosition, FullScreenRect());
}

TEST_F(WindowSettingsTest, RectangleWhollyOffThePrimaryScreenIsReplaced)
{
    const LONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    // Right of the screen, as on a second monitor; then touching its edge without a pixel in it.
    for (const RECT off : {RECT{cx, 0, cx + 800, 600}, RECT{-800, 10, 0, 500}, RECT{10, cy, 500, cy + 300},
                           RECT{-900, -700, -100, -50}}) {
        StoreRect(kNormal, SW_SHOWNORMAL, off);
        const WINDOWPLACEMENT loaded = Load(kViewModeNormal);
        ExpectRect(loaded.rcNormalPosition, FullScreenRect());
        EXPECT_EQ(loaded.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    }
}

TEST_F(WindowSettingsTest, RectangleOverlappingTheScreenBySinglePixelIsKept)
{
    const LONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    for (const RECT edge : {RECT{cx - 1, cy - 1, cx + 700, cy + 500}, RECT{-700, -500, 1, 1}}) {
        StoreRect(kMini, SW_SHOWMINIMIZED, edge);
        const WINDOWPLACEMENT loaded = Load(kViewModeMini);
        ExpectRect(loaded.rcNormalPosition, edge);
        EXPECT_EQ(loaded.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    }
}

TEST_F(WindowSettingsTest, MiniAndNormalSectionsAreIndependent)
{
    const RECT work = WorkArea();
    m_settings.SavePlacement(Placement(SW_SHOW, RECT{10, 20, 210, 120}), kViewModeMini);
    EXPECT_FALSE(reg::KeyExists(kNormal));
    const WINDOWPLACEMENT normal = Load(kViewModeNormal);
    EXPECT_EQ(normal.showCmd, static_cast<UINT>(SW_HIDE));
    ExpectRect(normal.rcNormalPosition, RECT{work.right / 2, work.bottom / 2, work.right, work.bottom});

    m_settings.SavePlacement(Placement(SW_SHOWMAXIMIZED, RECT{30, 40, 630, 440}), kViewModeNormal);
    const WINDOWPLACEMENT mini = Load(kViewModeMini);
    EXPECT_EQ(mini.showCmd, static_cast<UINT>(SW_SHOW));
    ExpectRect(mini.rcNormalPosition, RECT{10, 20, 210, 120});
    EXPECT_EQ(ReadDword(kNormal, "WindowPosLeft"), 30u);
    EXPECT_EQ(ReadDword(kMini, "WindowPosLeft"), 10u);
}

TEST_F(WindowSettingsTest, DamagedValuesFallBackToUsableDefaults)
{
    // A show command the platform does not know becomes the table's default, 1.
    for (const int bad : {12, 0x7FFF, -2, -32768}) {
        StoreRect(kNormal, bad, RECT{50, 60, 450, 360});
        const WINDOWPLACEMENT loaded = Load(kViewModeNormal);
        EXPECT_EQ(loaded.showCmd, static_cast<UINT>(SW_SHOWNORMAL)) << bad;
        ExpectRect(loaded.rcNormalPosition, RECT{50, 60, 450, 360});
    }
    StoreRect(kNormal, SW_FORCEMINIMIZE, RECT{50, 60, 450, 360});
    EXPECT_EQ(Load(kViewModeNormal).showCmd, static_cast<UINT>(SW_FORCEMINIMIZE));

    // Reversed or flat rectangles count as empty and are replaced.
    for (const RECT reversed : {RECT{450, 60, 50, 360}, RECT{50, 360, 450, 60}, RECT{50, 60, 50, 360}}) {
        StoreRect(kNormal, SW_SHOWNORMAL, reversed);
        ExpectRect(Load(kViewModeNormal).rcNormalPosition, FullScreenRect());
    }

    // Text where a number belongs counts as missing.
    StoreRect(kNormal, SW_SHOWNORMAL, RECT{50, 60, 450, 360});
    EXPECT_TRUE(reg::WriteText(kNormal, "WindowPosLeft", "50"));
    EXPECT_TRUE(reg::WriteText(kNormal, "WindowPosMaxX", "7"));
    WINDOWPLACEMENT loaded = Load(kViewModeNormal);
    ExpectRect(loaded.rcNormalPosition, RECT{0, 60, 450, 360});
    EXPECT_EQ(loaded.ptMaxPosition.x, -1);

    // A show command stored as text means no placement is stored: the mode's default.
    EXPECT_TRUE(reg::WriteText(kMini, "WindowPosShowCmd", "0"));
    EXPECT_TRUE(WriteDword(kMini, "WindowPosLeft", 5));
    loaded = Load(kViewModeMini);
    const RECT work = WorkArea();
    EXPECT_EQ(loaded.showCmd, static_cast<UINT>(SW_SHOW));
    ExpectRect(loaded.rcNormalPosition,
               RECT{work.right - work.right / 4, work.bottom - work.bottom / 4, work.right, work.bottom});
}

TEST(WindowSettingsClampTest, ClampLeavesTheShowCommandAndOtherFieldsAlone)
{
    WINDOWPLACEMENT placement = Placement(SW_SHOWMINNOACTIVE, RECT{-5000, -5000, -4000, -4000});
    CWindowSettings::ClampToScreen(placement);
    ExpectRect(placement.rcNormalPosition, FullScreenRect());
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINNOACTIVE));
    EXPECT_EQ(placement.flags, static_cast<UINT>(WPF_RESTORETOMAXIMIZED));
    EXPECT_EQ(placement.ptMaxPosition.x, 3);
}

TEST(WindowSettingsNoApplicationTest, WithoutAnApplicationObjectTheDefaultIsGiven)
{
    ASSERT_EQ(AfxGetApp(), nullptr);
    CWindowSettings settings;
    settings.SavePlacement(Placement(SW_SHOW, RECT{1, 2, 3, 4}), kViewModeNormal);
    WINDOWPLACEMENT placement{};
    settings.LoadPlacement(placement, kViewModeNormal);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_HIDE));
}
}   // namespace
