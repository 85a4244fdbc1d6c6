#include "CAuditLog.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <cstdio>

std::wstring CAuditLog::LogPath()
{
    PWSTR base = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &base)))
        return {};
    std::wstring path = base;
    CoTaskMemFree(base);
    for (const wchar_t* part : {L"\\Fenwright", L"\\Security"}) {
        path += part;
        if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return {};
    }
    return path + L"\\audit.log";
}

bool CAuditLog::Append(int rightCode, bool granted)
{
    const std::wstring path = LogPath();
    if (path.empty())
        return false;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char user[256] = "?";
    DWORD userSize = sizeof user;
    if (!GetUserNameA(user, &userSize))
        lstrcpynA(user, "?", sizeof user);
    char line[512];
    const int length =
        std::snprintf(line, sizeof line, "%04u-%02u-%02u %02u:%02u:%02u\t%s\t%d\t%s\r\n", now.wYear, now.wMonth,
                      now.wDay, now.wHour, now.wMinute, now.wSecond, user, rightCode, granted ? "granted" : "refused");
    if (length <= 0 || length >= static_cast<int>(sizeof line))
        return false;
    // FILE_APPEND_DATA alone makes every write land at the end, also with other writers.
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
    return ok && written == static_cast<DWORD>(length);
}
