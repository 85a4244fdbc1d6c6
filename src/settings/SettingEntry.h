#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// One record of the settings store: a declared entry (name and defaults) or a cached value.
struct SettingEntry {
    int32_t m_nId = 0;
    std::string m_strName;    // stem of the registry value names; empty in cached entries
    int32_t m_nValue = 0;     // the value; in a declared entry, the default
    std::string m_strValue;   // text kept beside the number; in a declared entry, the default
    BYTE m_bLoaded = 0;       // cached entry: the value is current (read or set)
    BYTE m_bSpare = 0;
};
