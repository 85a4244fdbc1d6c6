#include "CRecoveryWriter.h"

#include <utility>

namespace {
// Thread timers carry no window: the one writer with a timer running is found by its id.
CRecoveryWriter* g_pTimed = nullptr;
UINT_PTR g_timedId = 0;
}   // namespace

CRecoveryWriter::CRecoveryWriter(CRecoveryStore store, Source source)
    : m_store(std::move(store)), m_source(std::move(source))
{
}

CRecoveryWriter::~CRecoveryWriter()
{
    StopTimer();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

void CRecoveryWriter::Changed()
{
    if (m_timer != 0 || !m_store.IsUsable())
        return;
    m_timer = SetTimer(nullptr, 0, kDelayMs, &CRecoveryWriter::OnTimer);
    if (m_timer == 0)
        return;
    g_pTimed = this;
    g_timedId = m_timer;
}

void CALLBACK CRecoveryWriter::OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    if (g_pTimed && id == g_timedId)
        g_pTimed->SnapshotNow();
    else
        KillTimer(nullptr, id);
}

void CRecoveryWriter::StopTimer()
{
    if (m_timer == 0)
        return;
    KillTimer(nullptr, m_timer);
    if (g_pTimed == this) {
        g_pTimed = nullptr;
        g_timedId = 0;
    }
    m_timer = 0;
}

void CRecoveryWriter::SnapshotNow()
{
    StopTimer();
    std::string bytes;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        bytes.swap(m_spare);
    }
    if (!m_source || !m_source(bytes)) {
        Remove();
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pending = std::move(bytes);
        if (!m_worker.joinable())
            m_worker = std::thread(&CRecoveryWriter::Run, this);
    }
    m_wake.notify_one();
}

void CRecoveryWriter::Remove()
{
    StopTimer();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pending.reset();
    std::string().swap(m_spare);
    // The user never waits for a write under way: the worker removes the file once it is done.
    if (m_bWriting) {
        m_bRemoveAfterWrite = true;
        return;
    }
    if (m_bMayExist)
        m_store.RemoveOwn();
    m_bMayExist = false;
}

bool CRecoveryWriter::Drain()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_bWriting && !m_pending; });
    return m_bLastWriteOk;
}

void CRecoveryWriter::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_bStop || m_pending.has_value(); });
        if (!m_pending)
            return;   // stopping, with nothing left to write
        std::string bytes = std::move(*m_pending);
        m_pending.reset();
        m_bWriting = true;
        m_bMayExist = true;
        lock.unlock();
        const bool ok = m_store.WriteOwn(bytes);
        lock.lock();
        if (m_bRemoveAfterWrite) {
            m_store.RemoveOwn();
            m_bRemoveAfterWrite = false;
            m_bMayExist = false;
        } else {
            m_spare.swap(bytes);
        }
        m_bWriting = false;
        m_bLastWriteOk = ok;
        m_idle.notify_all();
    }
}
