#pragma once

#include <string>

// The audit trail: audit.log in %LOCALAPPDATA%\Fenwright\Security, one line per enquiry.
class CAuditLog {
public:
    // Appends "time<TAB>user<TAB>right<TAB>granted|refused"; false when it cannot be written.
    static bool Append(int rightCode, bool granted);
    // The log file's full path, its folders created; empty when the folder cannot be had.
    static std::wstring LogPath();
};
