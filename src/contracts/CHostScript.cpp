#include "CHostScript.h"

namespace {
const int kCommandOrdinal = 40;
}

CHostScript::CHostScript(const std::string& dllPath)
{
    // A full path only: the library is never looked for along the search path.
    if (dllPath.empty())
        return;
    m_hModule = LoadLibraryA(dllPath.c_str());
    if (!m_hModule)
        return;
    m_pfnIsRunning =
        reinterpret_cast<IsRunningFn>(reinterpret_cast<void*>(GetProcAddress(m_hModule, "IsOrvalisRunning")));
    m_pfnCommand = reinterpret_cast<CommandFn>(
        reinterpret_cast<void*>(GetProcAddress(m_hModule, MAKEINTRESOURCEA(kCommandOrdinal))));
    if (!IsLoaded()) {
        m_pfnIsRunning = nullptr;
        m_pfnCommand = nullptr;
    }
}

CHostScript::~CHostScript()
{
    if (m_hModule)
        FreeLibrary(m_hModule);
}

CHostScript& CHostScript::Get()
{
    static CHostScript host(DefaultPath());
    return host;
}

std::string CHostScript::DefaultPath()
{
    char path[MAX_PATH * 2];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return std::string();
    std::string folder(path, length);
    size_t slash = folder.find_last_of("\\/");
    folder.resize(slash == std::string::npos ? 0 : slash + 1);
    return folder + "hostscript.dll";
}

bool CHostScript::IsOrvalisRunning() const
{
    return m_pfnIsRunning && m_pfnIsRunning() != 0;
}

bool CHostScript::Command(const char* text, int timeout) const
{
    return m_pfnCommand && m_pfnCommand(text, timeout) != 0;
}
