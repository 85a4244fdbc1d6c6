#include "CRecentFileList.h"

#include "CCmdUI.h"
#include "CMenu.h"
#include "CWinApp.h"

#include <cstdio>

namespace {
bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Length of the part of a path that is never left out: "C:\", "\\server\share\" or "\".
size_t RootLength(const std::string& path)
{
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        const size_t server = path.find_first_of("\\/", 2);
        if (server == std::string::npos)
            return path.size();
        const size_t share = path.find_first_of("\\/", server + 1);
        return share == std::string::npos ? path.size() : share + 1;
    }
    if (path.size() >= 2 && path[1] == ':')
        return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
    return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

bool SameText(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The full form of a path as the file system would resolve it; the path itself when that fails.
std::string FullPath(const char* path)
{
    char buffer[MAX_PATH * 2] = {};
    const DWORD length = GetFullPathNameA(path, sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer)
        return path;
    return buffer;
}

// Menu texts treat '&' as the mnemonic marker; a file name's own '&' is doubled to show as is.
std::string EscapeMnemonics(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        escaped += c;
        if (c == '&')
            escaped += '&';
    }
    return escaped;
}
}   // namespace

std::string AbbreviatePath(const std::string& path, int maxLength, bool bAtLeastName)
{
    const size_t limit = maxLength > 0 ? static_cast<size_t>(maxLength) : 0;
    if (path.size() <= limit)
        return path;
    const size_t lastSeparator = path.find_last_of("\\/:");
    const size_t nameStart = lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
    const std::string name = path.substr(nameStart);
    if (name.size() > limit)
        return bAtLeastName ? name : std::string();
    const size_t rootEnd = RootLength(path);
    if (rootEnd >= nameStart)
        return name;
    // Leave out one more folder after the root each time, until the rest fits.
    const std::string root = path.substr(0, rootEnd);
    size_t cut = rootEnd;
    while (cut < nameStart) {
        const size_t folderEnd = path.find_first_of("\\/", cut);
        cut = folderEnd == std::string::npos || folderEnd >= nameStart ? nameStart : folderEnd + 1;
        const std::string shortened = root + "...\\" + path.substr(cut);
        if (shortened.size() <= limit)
            return shortened;
    }
    return name;
}

CRecentFileList::CRecentFileList(UINT nStart, const char* section, const char* entryFormat, int nSize,
                                 int nMaxDisplayLength)
    : m_nStart(nStart), m_strSection(section ? section : ""), m_strEntryFormat(entryFormat ? entryFormat : ""),
      m_nMaxDisplayLength(nMaxDisplayLength), m_arrNames(static_cast<size_t>(nSize > 0 ? nSize : 0))
{
}

const std::string& CRecentFileList::operator[](int index) const
{
    static const std::string none;
    if (index < 0 || index >= GetSize())
        return none;
    return m_arrNames[static_cast<size_t>(index)];
}

void CRecentFileList::Add(const char* pathName)
{
    if (!pathName || !*pathName || m_arrNames.empty())
        return;
    const std::string path = FullPath(pathName);
    size_t slot = m_arrNames.size() - 1;   // a new file pushes the oldest entry out
    for (size_t i = 0; i < m_arrNames.size(); ++i) {
        if (SameText(m_arrNames[i], path)) {
            slot = i;
            break;
        }
    }
    if (slot == 0 && m_arrNames[0] == path)
        return;
    for (size_t i = slot; i > 0; --i)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = path;
    WriteList();
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= GetSize())
        return;
    m_arrNames.erase(m_arrNames.begin() + index);
    m_arrNames.emplace_back();
    WriteList();
}

void CRecentFileList::ReadList()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    const size_t size = m_arrNames.size();
    m_arrNames.clear();
    char entry[64];
    for (size_t i = 0; i < size; ++i) {
        snprintf(entry, sizeof entry, m_strEntryFormat.c_str(), static_cast<int>(i + 1));
        std::string path = app->GetProfileString(m_strSection.c_str(), entry, "");
        if (!path.empty())   // gaps in the stored entries close up
            m_arrNames.push_back(std::move(path));
    }
    m_arrNames.resize(size);
}

void CRecentFileList::WriteList() const
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    char entry[64];
    for (size_t i = 0; i < m_arrNames.size(); ++i) {
        snprintf(entry, sizeof entry, m_strEntryFormat.c_str(), static_cast<int>(i + 1));
        const std::string& path = m_arrNames[i];
        app->WriteProfileString(m_strSection.c_str(), entry, path.empty() ? nullptr : path.c_str());
    }
}

bool CRecentFileList::GetDisplayName(std::string& name, int index, const char* currentDir, bool bAtLeastName) const
{
    const std::string& path = (*this)[index];
    if (path.empty())
        return false;
    std::string shown = path;
    std::string folder = currentDir ? currentDir : "";
    if (!folder.empty()) {
        if (!IsSeparator(folder.back()))
            folder += '\\';
        const std::string rest = path.substr(std::min(folder.size(), path.size()));
        if (path.size() > folder.size() && SameText(path.substr(0, folder.size()), folder)
            && rest.find_first_of("\\/") == std::string::npos)
            shown = rest;
    }
    name = AbbreviatePath(shown, m_nMaxDisplayLength, bAtLeastName);
    return true;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    HMENU menu = pCmdUI->m_hMenu;
    const UINT firstId = pCmdUI->m_nID;
    if (menu && m_strOriginal.empty())
        m_strOriginal = CMenu::GetMenuString(menu, pCmdUI->m_nIndex, MF_BYPOSITION);
    if (m_arrNames.empty() || m_arrNames[0].empty()) {
        if (menu) {
            for (int i = 1; i < GetSize(); ++i)
                DeleteMenu(menu, firstId + static_cast<UINT>(i), MF_BYCOMMAND);
            pCmdUI->SetText(m_strOriginal.c_str());
        }
        pCmdUI->Enable(false);
        return;
    }
    if (!menu)
        return;
    for (int i = 0; i < GetSize(); ++i)
        DeleteMenu(menu, firstId + static_cast<UINT>(i), MF_BYCOMMAND);
    UINT position = pCmdUI->m_nIndex;
    std::string name;
    for (int i = 0; i < GetSize() && GetDisplayName(name, i, "", true); ++i) {
        char number[8];
        snprintf(number, sizeof number, "&%u ", (static_cast<UINT>(i) + 1 + m_nStart) % 10);
        const std::string text = number + EscapeMnemonics(name);
        InsertMenuA(menu, position++, MF_STRING | MF_BYPOSITION, firstId + static_cast<UINT>(i), text.c_str());
    }
    pCmdUI->m_nIndex = position - 1;   // the frame goes on after the last inserted item
    pCmdUI->m_bEnableChanged = true;   // inserted items are enabled
}
