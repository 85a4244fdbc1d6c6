#pragma once

#include "CCmdTarget.h"
#include "CEditHistory.h"
#include "CListManager.h"

#include <string>

class CCmdUI;
class CEditDisplay;

// The list the workspace edits: the list manager, the edit history, and the state of its
// file (path, name, modified, a cancelled Save As). Every change of the list goes through
// ApplyEdit, which Undo and Redo walk back and forth; a display, when one is attached, shows
// each step. Handles Undo and Redo.
class CListDocument : public CCmdTarget {
public:
    CListDocument();

    // The display that shows each step; none shows nothing.
    void SetDisplay(CEditDisplay* display) { m_pDisplay = display; }

    CListManager& Manager() { return m_listManager; }
    const CListManager& Manager() const { return m_listManager; }
    const CEditHistory& History() const { return m_history; }

    // Every change of the list is a step that goes through ApplyEdit: the list manager
    // first, then the display. False when the step changes nothing or the list manager
    // refuses it; then nothing has changed.
    bool ApplyEdit(CEditStep step);
    bool Undo();
    bool Redo();

    // Empties the list and forgets its steps.
    void Clear();
    // Empties the list and reads the file into it; false when it cannot be read.
    bool Load(const std::string& path);
    // Writes the list; false when the file cannot be written.
    bool Save(const std::string& path);

    // The file: its full path and the name shown in the title.
    const std::string& PathName() const { return m_strPathName; }
    const std::string& FileName() const { return m_strFileName; }
    void SetPathName(std::string path) { m_strPathName = std::move(path); }
    void SetFileName(std::string name) { m_strFileName = std::move(name); }
    // Unmodified means the list is in the state last loaded or saved, which the history notes.
    bool IsModified() const { return m_bModified; }
    void SetModified(bool modified);
    // Whether the last save ended in a Save As the user cancelled (not a failed write).
    bool SaveWasCancelled() const { return m_bSaveCancelled; }
    void SetSaveCancelled(bool cancelled) { m_bSaveCancelled = cancelled; }

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    // After a step: the modified mark from the history, then the display.
    void Show(bool groupsChanged, const SListSelection& sel);
    void OnEditUndo();
    void OnEditRedo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditRedo(CCmdUI* pCmdUI);

    CListManager m_listManager;
    CEditHistory m_history;                      // the steps that Undo and Redo walk
    CEditDisplay* m_pDisplay = nullptr;
    std::string m_strPathName;                   // full path of the current list file
    std::string m_strFileName = "Default.vtl";   // name shown in the title
    bool m_bModified = false;
    bool m_bSaveCancelled = false;   // the last save ended in a cancelled Save As
};
