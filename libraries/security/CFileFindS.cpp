#include "CFileFindS.h"

CFileFindS::CFileFindS() = default;

CFileFindS::~CFileFindS() = default;

BOOL CFileFindS::FindFile(const char* path, DWORD /*flags*/)
{
    if (!path || !*path)
        return FALSE;
    // Opening it is the test: a folder, a missing file or one the user may not read fails.
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    CloseHandle(file);
    return TRUE;
}
