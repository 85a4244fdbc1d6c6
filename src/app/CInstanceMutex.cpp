#include "CInstanceMutex.h"

void CInstanceMutex::Release()
{
    if (!m_hMutex)
        return;
    ReleaseMutex(m_hMutex);
    CloseHandle(m_hMutex);
    m_hMutex = nullptr;
}
