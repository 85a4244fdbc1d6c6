#pragma once

#include "CProfileSection.h"
#include "SettingEntry.h"

#include <string>
#include <vector>

// Typed values of the "Options" section: declared entries with defaults, each read from
// the registry at most once per run and cached; written back by SaveAll and on destruction.
class CSettingsStore : public CProfileSection {
public:
    CSettingsStore();
    ~CSettingsStore() override;

    // Declares the entries; start-up calls it once after construction.
    virtual void DefineEntries();

    bool GetBool(int id);
    int GetInt(int id);
    // The setters return whether the value differs from the one held before.
    bool SetBool(int id, bool value);
    bool SetInt(int id, int value);

    // Writes every entry used during this run, number and text, in order of first use.
    void SaveAll();
    // Writes one entry's number and text, as SaveAll does.
    void SaveEntry(int id);

    // Reads the entry's number and text, with its current number and text as defaults.
    void LoadEntry(SettingEntry& entry) const;
    // The stem of the entry's registry value names; an undeclared id gives its decimal number.
    std::string ValueName(int id) const;

    // Text values longer than this are taken as damaged and replaced by the default.
    static constexpr size_t kMaxTextLength = 1024;

protected:
    void DefineEntry(int id, const char* name, int defaultValue);

    std::vector<SettingEntry> m_values;        // cache, in order of first use
    std::vector<SettingEntry> m_definitions;   // declared entries; index 0 is the empty entry

private:
    void Write(const SettingEntry& entry);
    SettingEntry* FindValue(int id);
    const SettingEntry* FindValue(int id) const;
    // Index 0, the empty entry, when the id is not declared.
    const SettingEntry& FindDefinition(int id) const;
};
