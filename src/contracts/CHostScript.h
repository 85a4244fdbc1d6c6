#pragma once

#include <windows.h>

#include <string>

// The host scripting library as the system sees it: hostscript.dll, loaded once and kept.
class CHostScript {
public:
    // Loads the library from the given path; a library that is missing or lacks its entry
    // points leaves a host that never runs.
    explicit CHostScript(const std::string& dllPath);
    ~CHostScript();
    CHostScript(const CHostScript&) = delete;
    CHostScript& operator=(const CHostScript&) = delete;

    // The library beside the running executable, loaded on first use.
    static CHostScript& Get();
    // Full path of hostscript.dll in the folder of the running executable.
    static std::string DefaultPath();

    bool IsLoaded() const { return m_pfnIsRunning && m_pfnCommand; }
    // Whether the host application runs. A host seen running within the last
    // kRunningRecheckMs is taken to run still without asking the library again: a launch
    // asks before each of its commands, and the library's command function looks for the
    // host window itself, so a command to a host that has just gone fails on its own.
    bool IsOrvalisRunning() const;
    static constexpr DWORD kRunningRecheckMs = 100;
    // Hands one command text to the host; true when the host accepted it.
    bool Command(const char* text, int timeout) const;

private:
    using IsRunningFn = int(WINAPI*)();
    using CommandFn = int(WINAPI*)(const char*, int);

    HMODULE m_hModule = nullptr;
    IsRunningFn m_pfnIsRunning = nullptr;
    CommandFn m_pfnCommand = nullptr;
    mutable bool m_bSeenRunning = false;
    mutable DWORD m_dwSeenRunningAt = 0;   // tick count of the last answer that it runs
};
