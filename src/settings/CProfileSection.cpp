#include "CProfileSection.h"

#include "CWinApp.h"

CProfileSection::CProfileSection(const char* section) : m_strSection(section ? section : "") {}

CProfileSection::~CProfileSection() = default;

int CProfileSection::ReadInt(const char* key, int defaultValue) const
{
    const CWinApp* app = AfxGetApp();
    return app ? static_cast<int>(app->GetProfileInt(m_strSection.c_str(), key, defaultValue)) : defaultValue;
}

BOOL CProfileSection::WriteInt(const char* key, int value) const
{
    const CWinApp* app = AfxGetApp();
    return app ? app->WriteProfileInt(m_strSection.c_str(), key, value) : FALSE;
}

std::string CProfileSection::ReadString(const char* key, const char* defaultValue) const
{
    const CWinApp* app = AfxGetApp();
    if (!app)
        return defaultValue ? defaultValue : "";
    return app->GetProfileString(m_strSection.c_str(), key, defaultValue);
}

BOOL CProfileSection::WriteString(const char* key, const char* value) const
{
    const CWinApp* app = AfxGetApp();
    return app ? app->WriteProfileString(m_strSection.c_str(), key, value) : FALSE;
}
