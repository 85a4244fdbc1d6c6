#pragma once

#include <windows.h>

// The DPI a window is shown at, and what follows from it: sizes in pixels and the image set
// drawn for it. Sizes given at 96 DPI (100%) scale in proportion.
namespace dpi {

constexpr UINT kDefault = 96;

// The window's DPI: GetDpiForWindow where the system has it (Windows 10 1607 and later),
// else the screen's logical pixels per inch.
UINT ForWindow(HWND window);
// The screen's logical pixels per inch, which a system-aware program is drawn at.
UINT ForSystem();
// value (pixels at 96 DPI) at the given DPI.
int Scale(int value, UINT dpi);
// The image sets are drawn for 100%, 150% and 200%: the one nearest the DPI, in percent.
int ArtPercent(UINT dpi);
// The bitmap resource of the image set for the DPI: the 100% id, + 1000 for 150%, + 2000
// for 200%.
UINT ArtBitmapId(UINT bitmapId100, UINT dpi);
// The size in pixels, in the set for the DPI, of an image size100 pixels wide at 100%.
int ArtSize(int size100, UINT dpi);

}   // namespace dpi
