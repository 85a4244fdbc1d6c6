#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The about box of a program of the Fenwright family: its icon, name, version and
// copyright, in a modal box owned by the caller's window. It needs no dialog resource of
// the program: the box is built from an in-memory template.
class CDisplayAbout {
public:
    // owner: the window the box belongs to (disabled while it is open). programName: shown
    // in the caption and the box. version: the version text; null or empty takes the product
    // version from the VERSIONINFO resource of instance, if it has one. iconId: an icon
    // resource of instance; 0 takes the owner's class icon.
    CDisplayAbout(HWND owner, char* programName, char* version, unsigned iconId, HINSTANCE instance);
    virtual ~CDisplayAbout();

    // Runs the box until the user closes it. False when it could not be shown.
    bool Show();

    // The texts the box shows, line by line.
    std::string Caption() const;
    std::vector<std::string> Lines() const;

private:
    std::vector<WORD> BuildTemplate() const;
    std::string VersionFromResource() const;
    HICON PickIcon() const;
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hOwner;
    std::string m_strName;
    std::string m_strVersion;
    unsigned m_nIconId;
    HINSTANCE m_hInstance;
};
