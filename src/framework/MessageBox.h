#pragma once

#include <windows.h>

// The one way the program shows a message box: a real modal MessageBox owned by owner
// (the main window when null), with the application name as caption when none is given.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);
