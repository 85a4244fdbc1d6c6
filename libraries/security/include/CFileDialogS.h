#pragma once

#include "CFileDialog.h"

// The file dialog of the access library: a CFileDialog whose flags word also carries the
// library's bit 0x1000000, which the common dialog never sees.
class CFileDialogS : public CFileDialog {
public:
    static constexpr DWORD kSecuredFlag = 0x1000000;

    CFileDialogS(int openFileDialog, const char* defExt, const char* fileName, unsigned long flags, const char* filter,
                 CWnd* parent);
    ~CFileDialogS() override;

protected:
    DWORD DialogFlags() const override { return m_dwFlags & ~kSecuredFlag; }
};
