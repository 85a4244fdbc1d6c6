#pragma once

#include <windows.h>

#include <string>

// A named section of the application's profile, read and written through the
// framework application's profile functions.
class CProfileSection {
public:
    explicit CProfileSection(const char* section);
    virtual ~CProfileSection();

    CProfileSection(const CProfileSection&) = delete;
    CProfileSection& operator=(const CProfileSection&) = delete;

    // Each passes the section, the key and the value on; with no application object
    // the reads give the default and the writes fail.
    int ReadInt(const char* key, int defaultValue) const;
    BOOL WriteInt(const char* key, int value) const;
    std::string ReadString(const char* key, const char* defaultValue) const;
    BOOL WriteString(const char* key, const char* value) const;

    const std::string& GetSectionName() const { return m_strSection; }

protected:
    std::string m_strSection;
};
