#include "RegistryValues.h"

namespace RegistryValues {
namespace {
const std::string kRoot = "Software\\Fenwright\\";
}

void ClearAll()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, (kRoot + "Vantrace").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, (kRoot + "Vantrace").c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, (kRoot + "Security").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, (kRoot + "Security").c_str());
}

bool Set(const std::string& key, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (kRoot + key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG status = RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

bool SetString(const std::string& key, const char* name, const std::string& text)
{
    return Set(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool SetDword(const std::string& key, const char* name, DWORD value)
{
    return Set(key, name, REG_DWORD, &value, sizeof value);
}

bool Get(const std::string& key, const char* name, DWORD& type, std::string& data)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (kRoot + key).c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
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

bool GetDword(const std::string& key, const char* name, DWORD& value)
{
    DWORD type = 0;
    std::string data;
    if (!Get(key, name, type, data) || type != REG_DWORD || data.size() != sizeof value) return false;
    memcpy(&value, data.data(), sizeof value);
    return true;
}
}  // namespace RegistryValues
