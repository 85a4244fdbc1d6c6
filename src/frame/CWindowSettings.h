#pragma once

#include "CProfileSection.h"

#include <windows.h>

// The main frame's window placement per view mode, kept under WindowSettings\<mode>.
class CWindowSettings : public CProfileSection {
public:
    CWindowSettings();

    // Fills the placement stored for the mode, or the mode's default when none is stored.
    // Given the DPI of the window it is for, a placement stored with the DPI it was taken at
    // keeps its top left corner and has its size scaled to the window's DPI; one stored
    // without (by an earlier version) is taken as it is.
    void LoadPlacement(WINDOWPLACEMENT& placement, const char* mode, UINT dpi = 0) const;
    // Writes the ten values of the placement into the mode's section, and the DPI it was
    // taken at when given.
    void SavePlacement(const WINDOWPLACEMENT& placement, const char* mode, UINT dpi = 0) const;

    // The placement used when none is stored: Normal hidden on the lower right quarter of
    // the work area, Mini shown on its lower right sixteenth.
    static WINDOWPLACEMENT DefaultPlacement(const char* mode);
    // Replaces a normal rectangle that is empty or wholly off the primary screen by
    // (0, 0, full-screen width, full-screen height); the show command is left alone.
    static void ClampToScreen(WINDOWPLACEMENT& placement);

private:
    std::string ModeSection(const char* mode) const;
    WINDOWPLACEMENT ReadStoredPlacement(const std::string& section) const;
};
