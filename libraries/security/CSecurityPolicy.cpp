#include "CSecurityPolicy.h"

#include <cstdlib>
#include <string>
#include <vector>

bool CSecurityPolicy::IsGranted(int rightCode)
{
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = RegGetValueA(HKEY_CURRENT_USER, kKey, "DeniedRights", RRF_RT_ANY, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND)
        return true;
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return false;
    std::vector<char> text(size + 1, '\0');
    status = RegGetValueA(HKEY_CURRENT_USER, kKey, "DeniedRights", RRF_RT_REG_SZ, nullptr, text.data(), &size);
    if (status != ERROR_SUCCESS)
        return false;
    // "3218, 17": codes separated by commas, spaces around them allowed, empty entries skipped.
    const char* p = text.data();
    while (*p) {
        while (*p == ' ' || *p == ',')
            ++p;
        if (!*p)
            break;
        char* end = nullptr;
        const long code = std::strtol(p, &end, 10);
        if (end == p)
            return false;
        while (*end == ' ')
            ++end;
        if (*end && *end != ',')
            return false;
        if (code == rightCode)
            return false;
        p = end;
    }
    return true;
}

bool CSecurityPolicy::LogonStepAllowed(const char* valueName)
{
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LSTATUS status = RegGetValueA(HKEY_CURRENT_USER, kKey, valueName, RRF_RT_ANY, &type, &value, &size);
    if (status == ERROR_FILE_NOT_FOUND)
        return true;
    return status == ERROR_SUCCESS && type == REG_DWORD && value != 0;
}
