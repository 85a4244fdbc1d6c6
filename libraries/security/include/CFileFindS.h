#pragma once

#include <windows.h>

// Finds a file the user may read.
class CFileFindS {
public:
    CFileFindS();
    virtual ~CFileFindS();

    // Non-zero when path names an existing file that can be opened for reading.
    BOOL FindFile(const char* path, DWORD flags = 0);
};
