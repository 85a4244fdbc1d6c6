#include "DpiScale.h"

namespace dpi {

UINT ForSystem()
{
    HDC screen = GetDC(nullptr);
    const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return value > 0 ? static_cast<UINT>(value) : kDefault;
}

UINT ForWindow(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    const UINT value = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return value ? value : ForSystem();
}

int Scale(int value, UINT dpi)
{
    return MulDiv(value, static_cast<int>(dpi ? dpi : kDefault), static_cast<int>(kDefault));
}

// Halfway points: below 120 DPI (125%) the 100% set, below 168 (175%) the 150% set.
int ArtPercent(UINT dpi)
{
    if (dpi < 120)
        return 100;
    return dpi < 168 ? 150 : 200;
}

UINT ArtBitmapId(UINT bitmapId100, UINT dpi)
{
    const int percent = ArtPercent(dpi);
    return bitmapId100 + (percent == 100 ? 0 : percent == 150 ? 1000 : 2000);
}

int ArtSize(int size100, UINT dpi)
{
    return size100 * ArtPercent(dpi) / 100;
}

}   // namespace dpi
