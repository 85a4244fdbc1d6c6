#pragma once

#include "CRecoveryStore.h"

#include <windows.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// Keeps this process's recovery file up to date without making the user wait: the first edit
// after a write arms a one-shot timer; when it fires (about a second later, so at most one
// snapshot a second however fast the edits come) the list's bytes are composed on the user
// interface thread and handed to a worker thread, which writes, flushes and renames them
// into place. One write runs at a time; a newer snapshot replaces one still waiting.
class CRecoveryWriter {
public:
    // Composes the recovery file's bytes; false when the list holds nothing unsaved.
    using Source = std::function<bool(std::string& bytes)>;

    CRecoveryWriter(CRecoveryStore store, Source source);
    // Lets a write still waiting finish, then ends the worker.
    ~CRecoveryWriter();
    CRecoveryWriter(const CRecoveryWriter&) = delete;
    CRecoveryWriter& operator=(const CRecoveryWriter&) = delete;

    // Called after every edit.
    void Changed();
    // Takes the snapshot at once (the timer's work).
    void SnapshotNow();
    // Drops a waiting snapshot and removes the file (and lets the kept buffer go); a write
    // under way is not waited for: the worker removes the file once it is done. Called when
    // the list is saved or its changes dropped, and at a clean exit.
    void Remove();
    // Waits until every snapshot handed over is on disk (or removed after it); true when the
    // last write succeeded.
    bool Drain();

    const CRecoveryStore& Store() const { return m_store; }
    // The delay between an edit and its snapshot.
    static constexpr UINT kDelayMs = 1000;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    void StopTimer();
    void Run();

    CRecoveryStore m_store;
    Source m_source;
    UINT_PTR m_timer = 0;

    std::mutex m_mutex;
    std::condition_variable m_wake;   // a snapshot waits, or the writer is to end
    std::condition_variable m_idle;   // the worker finished a write
    std::optional<std::string> m_pending;
    // The buffer of the last write, kept for the next snapshot: composing into memory that is
    // already there takes a fraction of the time of growing a new string.
    std::string m_spare;
    bool m_bWriting = false;
    bool m_bRemoveAfterWrite = false;   // Remove came while a write was under way
    bool m_bMayExist = false;           // a write has been made since the file was last removed
    bool m_bLastWriteOk = true;
    bool m_bStop = false;
    std::thread m_worker;   // started with the first snapshot
};
