#include "Registry.h"

namespace reg {
namespace {
bool KeyIsEmpty(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    DWORD subkeys = 0;
    DWORD values = 0;
    const LONG status = RegQueryInfoKeyA(handle, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                                         nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS && subkeys == 0 && values == 0;
}
}   // namespace

std::string Tool(const std::string& section)
{
    return std::string(kTool) + "\\" + section;
}

bool Read(const std::string& key, const char* name, DWORD& type, std::string& data)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    LONG status = RegQueryValueExA(handle, name, nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        data.assign(size, '\0');
        status = RegQueryValueExA(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        data.resize(size);
    }
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

std::optional<DWORD> ReadDword(const std::string& key, const char* name)
{
    DWORD type = 0;
    std::string data;
    DWORD value = 0;
    if (!Read(key, name, type, data) || type != REG_DWORD || data.size() != sizeof value)
        return std::nullopt;
    memcpy(&value, data.data(), sizeof value);
    return value;
}

std::optional<std::string> ReadText(const std::string& key, const char* name)
{
    DWORD type = 0;
    std::string data;
    if (!Read(key, name, type, data) || type != REG_SZ)
        return std::nullopt;
    return std::string(data.c_str());   // up to the terminating NUL
}

bool ValueExists(const std::string& key, const char* name)
{
    return RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool KeyExists(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

DWORD ValueCount(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return 0;
    DWORD values = 0;
    RegQueryInfoKeyA(handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(handle);
    return values;
}

bool Write(const std::string& key, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG status = RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

bool WriteDword(const std::string& key, const char* name, DWORD value)
{
    return Write(key, name, REG_DWORD, &value, sizeof value);
}

bool WriteText(const std::string& key, const char* name, const std::string& text)
{
    return Write(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void Remove(const std::string& key)
{
    std::string path = key;
    RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    // Parents a test created stay only while something else lives in them.
    for (size_t cut = path.rfind('\\'); cut != std::string::npos && path.substr(0, cut) != "Software";
         cut = path.rfind('\\')) {
        path.resize(cut);
        if (!KeyIsEmpty(path) || RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str()) != ERROR_SUCCESS)
            break;
    }
}

void ClearTool()
{
    Remove(kTool);
    Remove(kSecurity);
}
}   // namespace reg
