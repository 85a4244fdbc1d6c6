#pragma once

#include <windows.h>

#include <initializer_list>

namespace ui {
// The parts of a report-view row that the mouse can hit.
enum class RowPart { Icon, Label, CheckBox };

// Client point in the middle of a row's part (the check box is the state image left of
// the icon).
POINT RowPartPoint(HWND list, int row, RowPart part);

// Puts the mouse cursor on a client point of a window, as the user's pointer would be.
void PlaceCursor(HWND hwnd, POINT client);
// Cursor placed, WM_SETCURSOR sent and a mouse move posted, as a real move does; the
// posted messages handled.
void MoveMouse(HWND hwnd, POINT client);
// Cursor placed, then the press and release messages posted and handled.
void Click(HWND hwnd, POINT client);
void RightClick(HWND hwnd, POINT client);
// Press, release, double-click and release, as Windows delivers a double-click.
void DoubleClick(HWND hwnd, POINT client);
// The left button pressed on the label of row from, the pointer moved with it held to row
// to's label in a few steps, and (with release) let go there; each posted message handled.
void DragRow(HWND list, int from, int to, bool release = true);
// Key down and up posted to a control and handled.
void PressKey(HWND hwnd, UINT virtualKey);
// The same, while the given modifier keys (VK_SHIFT, VK_CONTROL) are held.
void PressKey(HWND hwnd, UINT virtualKey, std::initializer_list<int> modifiers);
}   // namespace ui
