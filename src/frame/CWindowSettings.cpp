#include "CWindowSettings.h"

#include "ViewModes.h"

#include "CWinApp.h"

#include <cstring>

namespace {
const char kShowCmd[] = "WindowPosShowCmd";
const char kDpi[] = "WindowPosDpi";
// DPIs a stored placement may name: 50% to 500%; others are damage and ignored.
const int kLowestDpi = 48;
const int kHighestDpi = 480;
const int kNoPlacementStored = -1;
// Show commands run from SW_HIDE (0) to SW_FORCEMINIMIZE (11).
const int kLastShowCmd = 11;
const int kDefaultShowCmd = SW_SHOWNORMAL;

int ReadValue(const CWinApp* app, const std::string& section, const char* key, int defaultValue)
{
    return app ? static_cast<int>(app->GetProfileInt(section.c_str(), key, defaultValue)) : defaultValue;
}

void WriteValue(const CWinApp* app, const std::string& section, const char* key, int value)
{
    if (app)
        app->WriteProfileInt(section.c_str(), key, value);   // write failures are ignored
}

WINDOWPLACEMENT EmptyPlacement()
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = 0;
    placement.ptMinPosition = POINT{-1, -1};
    placement.ptMaxPosition = POINT{-1, -1};
    return placement;
}
}   // namespace

CWindowSettings::CWindowSettings() : CProfileSection("WindowSettings") {}

std::string CWindowSettings::ModeSection(const char* mode) const
{
    return m_strSection + "\\" + (mode ? mode : kViewModeNormal);
}

WINDOWPLACEMENT CWindowSettings::DefaultPlacement(const char* mode)
{
    RECT work{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const LONG right = work.right;
    const LONG bottom = work.bottom;

    WINDOWPLACEMENT placement = EmptyPlacement();
    placement.rcNormalPosition.right = right;
    placement.rcNormalPosition.bottom = bottom;
    if (mode && strcmp(mode, kViewModeMini) == 0) {
        placement.showCmd = SW_SHOW;
        placement.rcNormalPosition.left = right - right / 4;
        placement.rcNormalPosition.top = bottom - bottom / 4;
    } else {
        placement.showCmd = SW_HIDE;
        placement.rcNormalPosition.left = right / 2;
        placement.rcNormalPosition.top = bottom / 2;
    }
    return placement;
}

WINDOWPLACEMENT CWindowSettings::ReadStoredPlacement(const std::string& section) const
{
    const CWinApp* app = AfxGetApp();
    WINDOWPLACEMENT placement = EmptyPlacement();
    placement.flags = static_cast<UINT>(ReadValue(app, section, "WindowPosFlags", 0));
    const int showCmd = ReadValue(app, section, kShowCmd, kDefaultShowCmd);
    // The registry is user-editable: a show command the platform does not know takes the default.
    placement.showCmd = static_cast<UINT>(showCmd >= 0 && showCmd <= kLastShowCmd ? showCmd : kDefaultShowCmd);
    placement.ptMinPosition.x = ReadValue(app, section, "WindowPosMinX", -1);
    placement.ptMinPosition.y = ReadValue(app, section, "WindowPosMinY", -1);
    placement.ptMaxPosition.x = ReadValue(app, section, "WindowPosMaxX", -1);
    placement.ptMaxPosition.y = ReadValue(app, section, "WindowPosMaxY", -1);
    placement.rcNormalPosition.left = ReadValue(app, section, "WindowPosLeft", 0);
    placement.rcNormalPosition.top = ReadValue(app, section, "WindowPosTop", 0);
    placement.rcNormalPosition.right = ReadValue(app, section, "WindowPosRight", GetSystemMetrics(SM_CXFULLSCREEN));
    placement.rcNormalPosition.bottom = ReadValue(app, section, "WindowPosBottom", GetSystemMetrics(SM_CYFULLSCREEN));
    return placement;
}

void CWindowSettings::LoadPlacement(WINDOWPLACEMENT& placement, const char* mode, UINT dpi) const
{
    const std::string section = ModeSection(mode);
    if (ReadValue(AfxGetApp(), section, kShowCmd, kNoPlacementStored) == kNoPlacementStored) {
        placement = DefaultPlacement(mode);
    } else {
        placement = ReadStoredPlacement(section);
        const int storedDpi = ReadValue(AfxGetApp(), section, kDpi, 0);
        if (dpi && storedDpi >= kLowestDpi && storedDpi <= kHighestDpi && static_cast<UINT>(storedDpi) != dpi) {
            RECT& rect = placement.rcNormalPosition;
            rect.right = rect.left + MulDiv(rect.right - rect.left, static_cast<int>(dpi), storedDpi);
            rect.bottom = rect.top + MulDiv(rect.bottom - rect.top, static_cast<int>(dpi), storedDpi);
        }
    }
    ClampToScreen(placement);
}

void CWindowSettings::SavePlacement(const WINDOWPLACEMENT& placement, const char* mode, UINT dpi) const
{
    const CWinApp* app = AfxGetApp();
    const std::string section = ModeSection(mode);
    if (dpi)
        WriteValue(app, section, kDpi, static_cast<int>(dpi));
    WriteValue(app, section, "WindowPosFlags", static_cast<int>(placement.flags));
    WriteValue(app, section, kShowCmd, static_cast<int>(placement.showCmd));
    WriteValue(app, section, "WindowPosMinX", placement.ptMinPosition.x);
    WriteValue(app, section, "WindowPosMinY", placement.ptMinPosition.y);
    WriteValue(app, section, "WindowPosMaxX", placement.ptMaxPosition.x);
    WriteValue(app, section, "WindowPosMaxY", placement.ptMaxPosition.y);
    WriteValue(app, section, "WindowPosLeft", placement.rcNormalPosition.left);
    WriteValue(app, section, "WindowPosTop", placement.rcNormalPosition.top);
    WriteValue(app, section, "WindowPosRight", placement.rcNormalPosition.right);
    WriteValue(app, section, "WindowPosBottom", placement.rcNormalPosition.bottom);
}

void CWindowSettings::ClampToScreen(WINDOWPLACEMENT& placement)
{
    RECT& rect = placement.rcNormalPosition;
    const LONG screenRight = GetSystemMetrics(SM_CXSCREEN);
    const LONG screenBottom = GetSystemMetrics(SM_CYSCREEN);
    // A reversed rectangle (right left of left, bottom above top) counts as empty, so it is
    // replaced like one that lies wholly off the screen.
    const bool empty = rect.right <= rect.left || rect.bottom <= rect.top;
    const bool overlaps = rect.left < screenRight && rect.right > 0 && rect.top < screenBottom && rect.bottom > 0;
    if (empty || !overlaps)
        rect = RECT{0, 0, GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
}
