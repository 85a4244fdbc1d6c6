#pragma once

#include <windows.h>

// The site's security policy as the registry holds it now (read at every call).
class CSecurityPolicy {
public:
    static constexpr const char* kKey = "Software\\Fenwright\\Security";

    // False when DeniedRights lists the right, or cannot be read as a list of codes.
    static bool IsGranted(int rightCode);
    // False when the REG_DWORD value (LogonPart1, LogonPart2) is 0 or not a REG_DWORD.
    static bool LogonStepAllowed(const char* valueName);
};
