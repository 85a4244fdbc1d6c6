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
    // Whether the host application runs.
    bool IsOrvalisRunning() const;
    // Hands one command text to the host; true when the host accepted it.
    bool Command(const char* text, int timeout) const;

private:
    using IsRunningFn = int(WINAPI*)();
    using CommandFn = int(WINAPI*)(const char*, int);

    HMODULE m_hModule = nullptr;
    IsRunningFn m_pfnIsRunning = nullptr;
    CommandFn m_pfnCommand = nullptr;
};
