#pragma once

#include <windows.h>

#include <string>

// Raw values under HKEY_CURRENT_USER\Software\Fenwright, of any type and size, for tests
// that set what the tool and its security library read.
namespace RegistryValues {
// Removes the tool's and the security library's keys.
void ClearAll();
// Writes a value of any type under Software\Fenwright\<key>.
bool Set(const std::string& key, const char* name, DWORD type, const void* data, DWORD size);
bool SetString(const std::string& key, const char* name, const std::string& text);
bool SetDword(const std::string& key, const char* name, DWORD value);
// Reads a value: its type and bytes; false when it is missing.
bool Get(const std::string& key, const char* name, DWORD& type, std::string& data);
// A REG_DWORD value; false when missing or of another type or size.
bool GetDword(const std::string& key, const char* name, DWORD& value);
}  // namespace RegistryValues
