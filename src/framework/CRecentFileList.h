#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CCmdUI;

// The most recently used files, newest first: kept in the application's profile section
// (one value per entry, named from a format such as "file%d" with 1, 2, ...) and shown on
// consecutive menu items from the first recent-file command id onwards.
class CRecentFileList {
public:
    // nStart offsets the menu numbering ("&1" for entry 0 when 0); nMaxDisplayLength cuts
    // display names.
    CRecentFileList(UINT nStart, const char* section, const char* entryFormat, int nSize, int nMaxDisplayLength);

    // Puts a file first; a file already listed (same full path, any case) moves up, and the
    // oldest entry drops off a full list. Add and Remove write the list when it changes, so
    // that a tool that is killed still starts with the list it last opened or saved.
    void Add(const char* pathName);
    void Remove(int index);
    // Reads or writes every entry from or to the profile section; empty entries are removed there.
    void ReadList();
    void WriteList() const;

    // Number of entries the list holds at most; unused ones are empty.
    int GetSize() const { return static_cast<int>(m_arrNames.size()); }
    // Full path of an entry; empty when the entry is unused or index is out of range.
    const std::string& operator[](int index) const;
    // The entry's name as a user sees it: without currentDir when the file lies there, and
    // shortened to the display length by leaving out folders in the middle of the path
    // ("C:\...\folder\file.vtl"). With bAtLeastName the file name always stays whole, even when
    // it alone is longer. False for an unused entry.
    bool GetDisplayName(std::string& name, int index, const char* currentDir, bool bAtLeastName = true) const;

    // The update handler of the first recent-file menu item: with no entries the item shows
    // its original text, greyed; otherwise the entries become items "&1 name", "&2 name", ...
    // with consecutive ids. Leaves pCmdUI->m_nIndex on the last item the list occupies.
    void UpdateMenu(CCmdUI* pCmdUI);

private:
    UINT m_nStart;
    std::string m_strSection;
    std::string m_strEntryFormat;
    int m_nMaxDisplayLength;
    std::vector<std::string> m_arrNames;
    std::string m_strOriginal;   // the placeholder item's text, kept for when the list empties
};

// Shortens a path to at most maxLength characters by leaving out whole folders after its
// root; keeps the file name whole when bAtLeastName is set (and then may exceed maxLength).
std::string AbbreviatePath(const std::string& path, int maxLength, bool bAtLeastName);
