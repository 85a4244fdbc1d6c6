#pragma once

#include <windows.h>

#include <commdlg.h>

// commdlg.h maps GetFileTitle to its own function; here it is the accessor below.
#undef GetFileTitle

#include <string>

class CWnd;

// The common Open or Save As dialog, with the chosen path taken apart by its accessors.
class CFileDialog {
public:
    // filter is "text|pattern|text|pattern||"; flags are OFN_* bits. The parent owns the
    // dialog; with none, the application's main window does.
    CFileDialog(BOOL openFileDialog, const char* defExt = nullptr, const char* fileName = nullptr, DWORD flags = 0,
                const char* filter = nullptr, CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;
    virtual ~CFileDialog();

    // IDOK with a chosen path, IDCANCEL otherwise.
    virtual INT_PTR DoModal();

    std::string GetPathName() const;
    std::string GetFileName() const;
    // The extension without its dot; empty when the name has none.
    std::string GetFileExt() const;
    // The file name without its extension.
    std::string GetFileTitle() const;

protected:
    // The flags the common dialog is given; derived dialogs may keep bits of their own out.
    virtual DWORD DialogFlags() const { return m_dwFlags; }

    BOOL m_bOpenFileDialog;
    DWORD m_dwFlags;

private:
    static std::string FilterForDialog(const char* filter);

    std::string m_strDefExt;
    std::string m_strFilter;   // NUL-separated, ending in two NULs
    std::string m_strPath;     // initial file name, then the chosen path
    CWnd* m_pParent;
};
