#pragma once

#include "CEditStep.h"

#include <cstddef>
#include <deque>

// The steps that can be undone and redone, and which state of the list was last loaded or
// saved. Each step carries the serial number of the state it leads to, so the list is
// unmodified exactly when the state reached is the saved one, however it was reached.
class CEditHistory {
public:
    static constexpr size_t kDefaultLimit = 1000;

    explicit CEditHistory(size_t limit = kDefaultLimit) : m_nLimit(limit) {}

    // Forgets every step; the present state is the saved one (New, Open, a load).
    void Clear();
    // Forgets every step; no state reached from here is the saved one until a save (a list
    // restored from a recovery file).
    void ClearUnsaved();
    // The present state is the saved one (a successful save).
    void MarkSaved() { m_nSaved = Present(); }
    bool IsModified() const { return Present() != m_nSaved; }

    // A step just made: it becomes the next to undo, the redo steps go, and beyond the
    // limit the oldest step goes.
    void Push(CEditStep step);
    // The next step to undo or redo, or none.
    CEditStep* NextUndo() { return m_undo.empty() ? nullptr : &m_undo.back(); }
    CEditStep* NextRedo() { return m_redo.empty() ? nullptr : &m_redo.back(); }
    // The next step was undone (redone): it moves across.
    void Undone();
    void Redone();
    size_t UndoCount() const { return m_undo.size(); }
    size_t RedoCount() const { return m_redo.size(); }

private:
    unsigned long long Present() const { return m_undo.empty() ? m_nBase : m_undo.back().m_nSerial; }

    size_t m_nLimit;
    std::deque<CEditStep> m_undo;   // oldest first
    std::deque<CEditStep> m_redo;   // the next to redo last
    unsigned long long m_nNextSerial = 1;
    unsigned long long m_nBase = 0;   // the state before the oldest step kept
    unsigned long long m_nSaved = 0;
};
