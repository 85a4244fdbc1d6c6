#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CListManager;

// What a recovery file says about the list it holds (docs/recovery-files.md).
struct SRecoveryHeader {
    std::string listPath;             // the list's own file; empty for a list never saved
    std::string listName;             // the list's name as the save prompts show it
    DWORD processId = 0;              // the process that wrote it
    std::uint64_t processStart = 0;   // that process's creation time (FILETIME, UTC)
    std::uint64_t written = 0;        // when the snapshot was taken (FILETIME, UTC)
};

// A recovery file found in the folder.
struct SRecoveryFile {
    std::string path;
    SRecoveryHeader header;   // from the file's name alone when damaged
    bool damaged = false;     // its header cannot be read
};

// The recovery folder (%LOCALAPPDATA%\Fenwright\Vantrace\Recovery): one file per running
// process that holds unsaved edits, the whole list as a list file behind a small header,
// written with the list files' own safe replace. No window code.
class CRecoveryStore {
public:
    // The given folder, or the user's recovery folder when none is given.
    explicit CRecoveryStore(std::string folder = {});

    // False when the folder could not be found or created; every write then fails.
    bool IsUsable() const { return !m_strFolder.empty(); }
    const std::string& Folder() const { return m_strFolder; }
    // This process's recovery file.
    const std::string& OwnFile() const { return m_strOwnFile; }
    // The header this process writes for a list.
    SRecoveryHeader OwnHeader(const std::string& listPath, const std::string& listName) const;

    // The bytes of a recovery file: the header lines, then the list's file.
    static void Compose(const SRecoveryHeader& header, const CListManager& list, std::string& out);
    // Replaces this process's recovery file with bytes in one step.
    bool WriteOwn(std::string_view bytes) const;
    bool RemoveOwn() const { return Remove(m_strOwnFile); }

    // The recovery files of processes no longer running, newest first. Also removes the
    // temporary files that writes of such processes left behind.
    std::vector<SRecoveryFile> ListOrphans() const;
    // Reads a recovery file whole: false, with the list left empty, when any part of it is
    // damaged.
    static bool Read(const std::string& path, SRecoveryHeader& header, CListManager& list);
    // True when the file is gone afterwards.
    static bool Remove(const std::string& path);

    // The user's recovery folder, created when missing; empty when that fails.
    static std::string DefaultFolder();
    // Whether the process that wrote a header still runs: same id and same creation time.
    // A process that cannot be asked counts as running.
    static bool IsRunning(DWORD processId, std::uint64_t processStart);
    // This process's creation time (FILETIME, UTC).
    static std::uint64_t OwnStartTime();
    // A recovery file's name: the writer's process id and creation time, in hex.
    static std::string FileName(DWORD processId, std::uint64_t processStart);

private:
    // Parses the header lines at the start of bytes; body receives where the list begins.
    static bool ParseHeader(std::string_view bytes, SRecoveryHeader& header, size_t& body);
    static bool ParseFileName(const char* name, DWORD& processId, std::uint64_t& processStart);
    void RemoveDeadTemporaries() const;

    std::string m_strFolder;   // with a trailing backslash
    std::string m_strOwnFile;
    DWORD m_ownProcessId = 0;
    std::uint64_t m_ownStart = 0;
};
