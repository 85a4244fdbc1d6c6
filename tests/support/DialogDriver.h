#pragma once

#include "DialogAnswerer.h"

#include <windows.h>

#include <string>
#include <vector>

class CDialog;

// Drives the controls of a real dialog from the answerer's thread, as a user would.
namespace drive {
// Runs dialog.DoModal() on this thread while answerer answers it from its own. Anything
// still open a few seconds after the answerer has finished is cancelled and counted as a
// test failure, so a fault shows as a failed check rather than a hung test.
INT_PTR RunModal(CDialog& dialog, ui::DialogAnswerer& answerer, std::vector<ui::SeenDialog>* seen = nullptr);

std::string Text(HWND dialog, int id);
void SetText(HWND dialog, int id, const std::string& text);
// Types each character as WM_CHAR to the control.
void Type(HWND dialog, int id, const std::string& chars);
// Clicks a button (BM_CLICK).
void Click(HWND dialog, int id);
// Opens a combo box's list (the box itself tells the dialog), selects the item and
// reports the choice as the box does when the user picks it.
void Choose(HWND dialog, int id, int index);
// The control id of the window that has the keyboard focus on the dialog's thread.
int FocusId(HWND dialog);
bool Visible(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
// Presses an arrow key in a control (WM_KEYDOWN and WM_KEYUP).
void PressKey(HWND dialog, int id, UINT vk);
}   // namespace drive
