#pragma once

#include "CCmdTarget.h"
#include "CChromatogramDlg.h"

#include <windows.h>

class CCmdUI;
class CListDocument;
class CWorkspaceView;

// The chromatogram commands: Add, Edit, Duplicate, Delete, Move Up and Move Down, the
// chromatogram list's check, Delete key, context menu and dragged rows. Owns the chromatogram dialog.
class CChroCommands : public CCmdTarget {
public:
    CChroCommands(CListDocument& document, CWorkspaceView& view);

    void MoveUp();
    void MoveDown();
    // The dialog holds no chromatogram (a new or cleared list).
    void ClearDialog() { m_chroDlg.ResetData(); }
    void SetOptions(CAppOptions* options) { m_chroDlg.SetOptions(options); }

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    void OnAddChromatogram();
    void OnEditChromatogram();
    void OnDuplicateChromatogram();
    void OnDeleteChromatogram();
    void OnUpdateChroCommands(CCmdUI* pCmdUI);
    void OnUpdateMoveCommands(CCmdUI* pCmdUI);
    LRESULT OnChroCheck(WPARAM, LPARAM lParam);
    LRESULT OnChroDeleteKey(WPARAM, LPARAM);
    LRESULT OnChroContextMenu(WPARAM, LPARAM);
    LRESULT OnChroDragged(WPARAM, LPARAM lParam);

    CListDocument& m_document;
    CWorkspaceView& m_view;
    CChromatogramDlg m_chroDlg;
};
