#pragma once

#include "CEditStep.h"

#include <windows.h>

#include <string>

class CChroListCtrl;
class CGroupListCtrl;
class CWnd;

// What the workspace's command classes share: the note a command shows when it cannot go
// on, the guards that find the selected group or chromatogram or say that none is, and the
// context menus.

// A message box with an OK button and no owner, its text and caption from the string table;
// no caption gives the application's.
void ShowNote(UINT textId, UINT captionId = 0);
void ShowNote(const std::string& text, UINT captionId);
// A text of the string table with its %s replaced by value.
std::string TextWith(UINT id, const std::string& value);
// The selected group's id; false, after "Please select a group", when none is selected.
bool SelectedGroupOrNote(const CGroupListCtrl& groups, DWORD& groupId);
// The selected chromatogram's row and id; false, after "Please select a chromatogram", when
// none is selected.
bool SelectedChroOrNote(const CChroListCtrl& chros, int& row, DWORD& chroId);
// The selection of both lists as it stands.
SListSelection ListSelection(const CGroupListCtrl& groups, const CChroListCtrl& chros);
// Shows a popup of the context menus at the pointer (or at the screen point `at`), its items
// enabled by owner's routing.
void ShowContextMenu(CWnd& owner, int popupIndex, const POINT* at = nullptr);
// The popups of the context menus: groups first, then chromatograms.
const int kGroupContextPopup = 0;
const int kChroContextPopup = 1;
