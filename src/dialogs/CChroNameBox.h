#pragma once

#include <windows.h>

#include <string>

// The name box of the Chromatogram Details dialog, measured: it scrolls no text, so it
// takes only a name that fits its width in its font. A hidden instance of the dialog's
// template is made for the measuring and kept while this object lives.
class CChroNameBox {
public:
    CChroNameBox();
    ~CChroNameBox();
    CChroNameBox(const CChroNameBox&) = delete;
    CChroNameBox& operator=(const CChroNameBox&) = delete;

    // True when the box could show the whole name; true for every name when the dialog
    // could not be made.
    bool Fits(const std::string& name) const;

private:
    HWND m_hDialog = nullptr;
    HDC m_hDC = nullptr;
    HGDIOBJ m_hOldFont = nullptr;
    int m_nWidth = 0;   // the width the box gives its text, in pixels
};
