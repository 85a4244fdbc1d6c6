#include "RegistryFixture.h"

#include <vector>

namespace regtest {
namespace {
const char kRoot[] = "Software\\Fenwright\\Vantrace";

bool KeyIsEmpty(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD subkeys = 0;
    DWORD values = 0;
    const LONG status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                                         nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && subkeys == 0 && values == 0;
}
}  // namespace

std::string SectionPath(const std::string& section)
{
    return std::string(kRoot) + "\\" + section;
}

std::optional<DWORD> ReadDword(const std::string& section, const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, SectionPath(section).c_str(), name, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

std::optional<std::string> ReadText(const std::string& section, const char* name)
{
    DWORD size = 0;
    const std::string path = SectionPath(section);
    if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<char> buffer(size + 1, '\0');
    if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::string(buffer.data());
}

bool ValueExists(const std::string& section, const char* name)
{
    return RegGetValueA(HKEY_CURRENT_USER, SectionPath(section).c_str(), name, RRF_RT_ANY, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

bool KeyExists(const std::string& section)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

DWORD ValueCount(const std::string& section)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    return values;
}

void WriteDword(const std::string& section, const char* name, DWORD value)
{
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, SectionPath(section).c_str(), name, REG_DWORD, &value, sizeof value),
              ERROR_SUCCESS);
}

void WriteText(const std::string& section, const char* name, const std::string& value)
{
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, SectionPath(section).c_str(), name, REG_SZ, value.c_str(),
                              static_cast<DWORD>(value.size() + 1)),
              ERROR_SUCCESS);
}

void RemoveSection(const std::string& section)
{
    std::string path = SectionPath(section);
    RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    // Parents this test run created stay only while something else lives in them.
    for (size_t cut = path.rfind('\\'); cut != std::string::npos && path.substr(0, cut) != "Software";
         cut = path.rfind('\\')) {
        path.resize(cut);
        if (!KeyIsEmpty(path) || RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str()) != ERROR_SUCCESS)
            break;
    }
}

void RegistryTest::SetUp()
{
    m_app.SetRegistryKey("Fenwright");
    for (const std::string& section : m_sections)
        RemoveSection(section);
}

void RegistryTest::TearDown()
{
    for (const std::string& section : m_sections)
        RemoveSection(section);
}

}  // namespace regtest
