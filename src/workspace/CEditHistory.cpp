#include "CEditHistory.h"

#include <utility>

void CEditHistory::Clear()
{
    m_undo.clear();
    m_redo.clear();
    m_nBase = m_nNextSerial++;
    m_nSaved = m_nBase;
}

void CEditHistory::ClearUnsaved()
{
    Clear();
    m_nSaved = 0;   // serial numbers start at 1: no state has this one
}

void CEditHistory::Push(CEditStep step)
{
    step.m_nSerial = m_nNextSerial++;
    m_redo.clear();
    m_undo.push_back(std::move(step));
    if (m_undo.size() > m_nLimit) {
        m_nBase = m_undo.front().m_nSerial;
        m_undo.pop_front();
    }
}

void CEditHistory::Undone()
{
    if (m_undo.empty())
        return;
    m_redo.push_back(std::move(m_undo.back()));
    m_undo.pop_back();
}

void CEditHistory::Redone()
{
    if (m_redo.empty())
        return;
    m_undo.push_back(std::move(m_redo.back()));
    m_redo.pop_back();
}
