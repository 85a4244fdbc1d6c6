#pragma once

#include "CCmdTarget.h"

#include <windows.h>

#include <string>
#include <vector>

class CCmdUI;
class CListDocument;
class CWorkspaceView;
class CChromatogramData;
struct STransferTable;

// Chromatograms in and out: Copy, Copy All Chromatograms and Paste through the clipboard,
// and Import and Export of CSV files. What a paste or an import would add is shown in the
// preview first; OK adds it all as one edit.
class CTransferCommands : public CCmdTarget {
public:
    CTransferCommands(CListDocument& document, CWorkspaceView& view);

    // Imports a table file as Import does once the file is chosen: read, shown in the preview,
    // added as one edit into the selected group or the groups it names. False when nothing
    // was added (the file unreadable or empty, no group selected, the preview cancelled).
    bool ImportFile(const std::string& path);

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    void OnEditCopy();
    void OnCopyAllChromatograms();
    void OnEditPaste();
    void OnFileImport();
    void OnFileExport();
    void OnUpdateCopy(CCmdUI* pCmdUI);
    void OnUpdateCopyAll(CCmdUI* pCmdUI);
    // Shows what a paste or an import would add; true when the user takes it.
    bool PreviewTransfer(const std::string& title, const STransferTable& table);
    // Adds a paste's or an import's rows as one edit; rows naming no group go to defaultGroup.
    void AddTransferredRows(const STransferTable& table, DWORD defaultGroup);
    // Puts the chromatograms on the clipboard, or says that another program holds it.
    void PutOrNote(const std::vector<CChromatogramData>& chros);

    CListDocument& m_document;
    CWorkspaceView& m_view;
};
