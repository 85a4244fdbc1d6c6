#pragma once

#include "CCmdTarget.h"

#include <windows.h>

class CAppOptions;
class CCmdUI;
class CListDocument;
class CWorkspaceView;
struct SListNotify;

// The launch triggers: the group and chromatogram lists, the host's request, Next group,
// Previous group and the Automate switch, whose copy it keeps.
class CLaunchCommands : public CCmdTarget {
public:
    CLaunchCommands(CListDocument& document, CWorkspaceView& view);

    // The options store, required before the first launch.
    void SetOptions(CAppOptions* options) { m_pOptions = options; }

    bool LaunchGroup(DWORD groupId);
    bool LaunchChromatogram(DWORD groupId, DWORD chroId, const char* kind);
    // The host asked for a display.
    void LaunchForHost();
    // The copy of the Automate option and the group list's check boxes follow the option.
    void ApplyAutomate();

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    void LaunchSelectedGroup(const SListNotify& what);
    void LaunchSelectedChromatogram(const SListNotify& what);
    bool AutoLaunchActiveGroup();
    // Launches a group after stepping the selected group row by delta (Next +1, Previous -1).
    void LaunchNeighbourGroup(int delta);
    LRESULT OnGroupLaunch(WPARAM, LPARAM lParam);
    LRESULT OnChroLaunch(WPARAM, LPARAM lParam);
    void OnNextGroup() { LaunchNeighbourGroup(+1); }
    void OnPreviousGroup() { LaunchNeighbourGroup(-1); }
    void OnAutomate();
    void OnUpdateAutomate(CCmdUI* pCmdUI);
    void OnUpdateNextPrevious(CCmdUI* pCmdUI);

    CListDocument& m_document;
    CWorkspaceView& m_view;
    CAppOptions* m_pOptions = nullptr;
    bool m_bAutomate = false;   // copy of the Automate option
};
