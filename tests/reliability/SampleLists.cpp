#include "SampleLists.h"

#include "FileBytes.h"

#include <windows.h>

namespace SampleLists {

void Build(CListManager& lists, int seed, int groups, int chrosPerGroup)
{
    const std::string tag = "seed " + std::to_string(seed) + " ";
    for (int g = 0; g < groups; ++g) {
        CGroupDataHelper group;
        group.m_strName = tag + "group " + std::to_string(g);
        group.m_strComment = tag + "comment\twith a tab\nand a line break";
        group.m_strRange = std::to_string(g) + ":" + std::to_string(g + seed + 1);
        group.m_nRangeMode = (g + seed) % 3;
        group.m_dwKey = static_cast<DWORD>(g * 7919 + seed);
        DWORD groupId = 0;
        lists.AddGroup(group, groupId);
        for (int c = 0; c < chrosPerGroup; ++c) {
            CChromatogramData chro;
            chro.m_strName = tag + "trace " + std::to_string(c);
            chro.m_strDescription = tag + "a description long enough to make the file large";
            chro.m_strMass = std::to_string(100 + c * seed) + ".5";
            chro.m_nType = (c + seed) % 4;
            chro.m_nFunction = c % 5;
            chro.m_bChecked = (c + g) % 2 == 0;
            DWORD chroId = 0;
            lists.AddChro(chro, chroId, groupId);
        }
    }
}

bool FileBytes(const CListManager& lists, std::string& bytes)
{
    char folder[MAX_PATH];
    char path[MAX_PATH];
    if (!GetTempPathA(sizeof folder, folder) || !GetTempFileNameA(folder, "vts", 0, path))
        return false;
    const bool ok = lists.Save(path) && ReadBytes(path, bytes);
    DeleteFileA(path);
    return ok;
}

}   // namespace SampleLists
