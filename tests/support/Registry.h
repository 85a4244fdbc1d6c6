#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Keys and values under HKEY_CURRENT_USER as the tests see them: read, written in any type
// and removed. Keys are paths below HKEY_CURRENT_USER.
namespace reg {
// The tool's root and the security library's policy key.
inline constexpr char kTool[] = "Software\\Fenwright\\Vantrace";
inline constexpr char kSecurity[] = "Software\\Fenwright\\Security";
// The path of a section under the tool's root.
std::string Tool(const std::string& section);

// A value's type and bytes; false when it is missing.
bool Read(const std::string& key, const char* name, DWORD& type, std::string& data);
// A REG_DWORD value; nothing when missing or of another type or size.
std::optional<DWORD> ReadDword(const std::string& key, const char* name);
// A REG_SZ value; nothing when missing or of another type.
std::optional<std::string> ReadText(const std::string& key, const char* name);
bool ValueExists(const std::string& key, const char* name);
bool KeyExists(const std::string& key);
// Number of values directly in the key; 0 when the key is missing.
DWORD ValueCount(const std::string& key);

// Writes a value of any type and size, creating the key.
bool Write(const std::string& key, const char* name, DWORD type, const void* data, DWORD size);
bool WriteDword(const std::string& key, const char* name, DWORD value);
bool WriteText(const std::string& key, const char* name, const std::string& text);

// Removes the key with everything below it, then every parent up to Software that is left
// empty.
void Remove(const std::string& key);
// Removes the tool's and the security library's keys.
void ClearTool();
}   // namespace reg
