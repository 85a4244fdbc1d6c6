#pragma once

#include <windows.h>

// The application's help file, found beside the executable and opened at the topic of a
// context id (HH_HELP_CONTEXT) through the help viewer, loaded on first use.
namespace help {

// The help file's name; empty (the default): the application has none.
void SetFileName(const char* name);
// False when there is no help file name or no viewer.
bool Open(HWND owner, DWORD_PTR context);

}   // namespace help
