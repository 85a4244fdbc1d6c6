#include "CSettingsStore.h"

#include <cstdio>

CSettingsStore::CSettingsStore() : CProfileSection("Options")
{
    m_definitions.push_back(SettingEntry{});
}

CSettingsStore::~CSettingsStore()
{
    SaveAll();
}

void CSettingsStore::DefineEntries() {}

void CSettingsStore::DefineEntry(int id, const char* name, int defaultValue)
{
    SettingEntry entry;
    entry.m_nId = id;
    entry.m_strName = name ? name : "";
    entry.m_nValue = defaultValue;
    m_definitions.push_back(entry);
}

SettingEntry* CSettingsStore::FindValue(int id)
{
    for (SettingEntry& entry : m_values) {
        if (entry.m_nId == id)
            return &entry;
    }
    return nullptr;
}

const SettingEntry* CSettingsStore::FindValue(int id) const
{
    for (const SettingEntry& entry : m_values) {
        if (entry.m_nId == id)
            return &entry;
    }
    return nullptr;
}

const SettingEntry& CSettingsStore::FindDefinition(int id) const
{
    for (size_t i = 1; i < m_definitions.size(); ++i) {
        if (m_definitions[i].m_nId == id)
            return m_definitions[i];
    }
    return m_definitions[0];
}

int CSettingsStore::GetInt(int id)
{
    SettingEntry* cached = FindValue(id);
    if (cached && cached->m_bLoaded)
        return cached->m_nValue;

    SettingEntry working;
    working.m_nId = id;
    working.m_nValue = FindDefinition(id).m_nValue;
    LoadEntry(working);
    working.m_bLoaded = 1;
    if (cached) {
        cached->m_nValue = working.m_nValue;
        cached->m_strValue = working.m_strValue;
        cached->m_bLoaded = 1;
    } else {
        m_values.push_back(working);
    }
    return working.m_nValue;
}

bool CSettingsStore::GetBool(int id)
{
    return GetInt(id) != 0;
}

bool CSettingsStore::SetInt(int id, int value)
{
    SettingEntry* cached = FindValue(id);
    if (!cached) {
        SettingEntry entry;
        entry.m_nId = id;
        m_values.push_back(entry);
        cached = &m_values.back();
    }
    const bool changed = !cached->m_bLoaded || cached->m_nValue != value;
    cached->m_nValue = value;
    cached->m_bLoaded = 1;
    return changed;
}

bool CSettingsStore::SetBool(int id, bool value)
{
    return SetInt(id, value ? 1 : 0);
}

std::string CSettingsStore::ValueName(int id) const
{
    if (const SettingEntry* cached = FindValue(id); cached && !cached->m_strName.empty())
        return cached->m_strName;
    const SettingEntry& declared = FindDefinition(id);
    if (!declared.m_strName.empty())
        return declared.m_strName;
    char number[16];
    snprintf(number, sizeof number, "%d", id);
    return number;
}

void CSettingsStore::LoadEntry(SettingEntry& entry) const
{
    const std::string name = ValueName(entry.m_nId);
    entry.m_nValue = ReadInt((name + "i").c_str(), entry.m_nValue);
    std::string text = ReadString((name + "s").c_str(), entry.m_strValue.c_str());
    // The registry is user-editable: an absurdly long text would be cached and written
    // back on every save, so it counts as damaged and the default stands.
    if (text.size() <= kMaxTextLength)
        entry.m_strValue = std::move(text);
}

void CSettingsStore::SaveAll()
{
    for (const SettingEntry& entry : m_values)
        Write(entry);
}

void CSettingsStore::SaveEntry(int id)
{
    if (const SettingEntry* entry = FindValue(id))
        Write(*entry);
}

void CSettingsStore::Write(const SettingEntry& entry)
{
    const std::string name = ValueName(entry.m_nId);
    WriteInt((name + "i").c_str(), entry.m_nValue);
    WriteString((name + "s").c_str(), entry.m_strValue.c_str());
}
