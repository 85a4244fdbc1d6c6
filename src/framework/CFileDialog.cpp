#include "CFileDialog.h"

#include "CWinApp.h"
#include "CWnd.h"

#include <vector>

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defExt, const char* fileName, DWORD flags, const char* filter,
                         CWnd* parent)
    : m_bOpenFileDialog(openFileDialog), m_dwFlags(flags), m_strDefExt(defExt ? defExt : ""),
      m_strFilter(FilterForDialog(filter)), m_strPath(fileName ? fileName : ""), m_pParent(parent)
{
}

CFileDialog::~CFileDialog() = default;

std::string CFileDialog::FilterForDialog(const char* filter)
{
    // "Text (*.x)|*.x||" becomes "Text (*.x)\0*.x\0\0".
    std::string result;
    if (!filter || !*filter)
        return result;
    result = filter;
    for (char& c : result) {
        if (c == '|')
            c = '\0';
    }
    result.push_back('\0');
    result.push_back('\0');
    return result;
}

INT_PTR CFileDialog::DoModal()
{
    std::vector<char> path(32768, '\0');
    m_strPath.copy(path.data(), path.size() - 1);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    // As every modal dialog: with no parent given, the main window owns it and is disabled
    // while it is open.
    HWND owner = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        owner = main ? main->GetSafeHwnd() : nullptr;
    }
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrDefExt = m_strDefExt.empty() ? nullptr : m_strDefExt.c_str();
    ofn.Flags = DialogFlags();
    const BOOL ok = m_bOpenFileDialog ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
    if (!ok)
        return IDCANCEL;
    m_strPath = path.data();
    return IDOK;
}

std::string CFileDialog::GetPathName() const
{
    return m_strPath;
}

std::string CFileDialog::GetFileName() const
{
    const size_t slash = m_strPath.find_last_of("\\/:");
    return slash == std::string::npos ? m_strPath : m_strPath.substr(slash + 1);
}

std::string CFileDialog::GetFileExt() const
{
    const std::string name = GetFileName();
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string CFileDialog::GetFileTitle() const
{
    const std::string name = GetFileName();
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
