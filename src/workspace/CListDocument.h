#pragma once

#include "CCmdTarget.h"
#include "CEditHistory.h"
#include "CFileStamp.h"
#include "CListManager.h"
#include "CRecoveryWriter.h"

#include <memory>
#include <string>

class CCmdUI;
class CEditDisplay;

// The list the workspace edits: the list manager, the edit history, and the state of its
// file (path, name, modified, a cancelled Save As). Every change of the list goes through
// ApplyEdit, which Undo and Redo walk back and forth; a display, when one is attached, shows
// each step. Handles Undo and Redo.
//
// With recovery on, every step leaves the list's unsaved state to the recovery writer, and a
// list that becomes unmodified (saved, loaded, new, or undone back) has its recovery file
// removed. The file's stamp, taken at each load and save, tells whether another program
// changed the file since.
class CListDocument : public CCmdTarget {
public:
    CListDocument();
    // With unsaved edits and recovery on, their last state goes to the recovery file.
    ~CListDocument() override;

    // Keeps a recovery file of the unsaved list in store's folder from now on.
    void EnableRecovery(CRecoveryStore store);
    // The recovery writer; none while recovery is off.
    CRecoveryWriter* Recovery() { return m_pRecovery.get(); }
    // Takes a list restored from a recovery file: its path and name, modified, its own
    // recovery file written at once.
    void Restore(CListManager& list, const std::string& path, const std::string& name);

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
    // Whether the list's file changed on disk since it was last read or written here (size or
    // time; with deep, its bytes too). False for a file not read or written here.
    bool FileChangedOnDisk(bool deep) const;
    // Reads the file again in place of a list with no unsaved edits; false (the list as it
    // was) when it cannot be read.
    bool Reload();

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
    void Show(const SEditReach& reach, const SListSelection& sel);
    void OnEditUndo();
    void OnEditRedo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditRedo(CCmdUI* pCmdUI);

    CListManager m_listManager;
    CEditHistory m_history;   // the steps that Undo and Redo walk
    CEditDisplay* m_pDisplay = nullptr;
    std::string m_strPathName;                   // full path of the current list file
    std::string m_strFileName = "Default.vtl";   // name shown in the title
    bool m_bModified = false;
    bool m_bSaveCancelled = false;   // the last save ended in a cancelled Save As
    CFileStamp m_stamp;              // the file as last read or written here
    std::string m_strStampPath;      // the file the stamp is of
    std::unique_ptr<CRecoveryWriter> m_pRecovery;
};
