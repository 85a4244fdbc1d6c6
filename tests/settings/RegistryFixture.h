#pragma once

// Direct access to the tool's registry root for tests, and a test application object
// whose profile is HKCU\Software\Fenwright\Vantrace.
#include "CWinApp.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace regtest {

// Full key path of a section under the tool's root.
std::string SectionPath(const std::string& section);
std::optional<DWORD> ReadDword(const std::string& section, const char* name);
std::optional<std::string> ReadText(const std::string& section, const char* name);
bool ValueExists(const std::string& section, const char* name);
bool KeyExists(const std::string& section);
// Number of values directly in the section; 0 when the key is missing.
DWORD ValueCount(const std::string& section);
void WriteDword(const std::string& section, const char* name, DWORD value);
void WriteText(const std::string& section, const char* name, const std::string& value);
// Removes the section and then every parent up to HKCU\Software that is left empty.
void RemoveSection(const std::string& section);

// Runs each test with the registry sections it names removed before and after, and with
// an application object that reads and writes the tool's real registry root.
class RegistryTest : public testing::Test {
protected:
    explicit RegistryTest(std::initializer_list<const char*> sections)
        : m_sections(sections.begin(), sections.end())
    {
    }
    void SetUp() override;
    void TearDown() override;

    CWinApp m_app{"Vantrace"};

private:
    std::vector<std::string> m_sections;
};

}  // namespace regtest
