#pragma once

#include "CCmdTarget.h"
#include "CGroupDlg.h"

#include <windows.h>

class CCmdUI;
class CListDocument;
class CWorkspaceView;

// The group commands: Add, Edit, Duplicate, Delete, Move Up and Move Down Group, the group
// list's check, Delete key, context menu and dragged rows. Owns the group dialog.
class CGroupCommands : public CCmdTarget {
public:
    CGroupCommands(CListDocument& document, CWorkspaceView& view);

    // Delete Group once the user has agreed.
    bool DeleteGroup(DWORD groupId);
    // Moves the selected group one place (-1 up, +1 down); nothing at the ends.
    void MoveGroup(int delta);
    // The dialog holds no group (a new or cleared list).
    void ClearDialog();

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    void OnAddGroup();
    void OnEditGroup();
    void OnDuplicateGroup();
    void OnDeleteGroup();
    void OnMoveGroupUp() { MoveGroup(-1); }
    void OnMoveGroupDown() { MoveGroup(+1); }
    void OnUpdateGroupCommands(CCmdUI* pCmdUI);
    void OnUpdateMoveGroup(CCmdUI* pCmdUI);
    LRESULT OnGroupCheck(WPARAM, LPARAM lParam);
    LRESULT OnGroupDeleteKey(WPARAM, LPARAM);
    LRESULT OnGroupContextMenu(WPARAM, LPARAM);
    LRESULT OnGroupDragged(WPARAM, LPARAM lParam);
    // The selected group row and whether it can move that way.
    bool CanMoveGroup(int delta, int& row) const;

    CListDocument& m_document;
    CWorkspaceView& m_view;
    CGroupDlg m_groupDlg;
};
