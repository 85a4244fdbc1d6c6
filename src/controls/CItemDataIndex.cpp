#include "CItemDataIndex.h"

void CItemDataIndex::Reset()
{
    m_counts.clear();
    m_bValid = true;
}

void CItemDataIndex::Invalidate()
{
    m_counts.clear();
    m_bValid = false;
}

void CItemDataIndex::Add(DWORD data)
{
    if (m_bValid)
        ++m_counts[data];
}

int CItemDataIndex::Count(DWORD data) const
{
    if (!m_bValid)
        return -1;
    const auto found = m_counts.find(data);
    return found == m_counts.end() ? 0 : found->second;
}
