#include "CListFixture.h"

#include <windows.h>

#include <cstdio>

namespace {
void FillGroup(CGroupDataHelper& rec, int n)
{
    char text[64];
    std::snprintf(text, sizeof text, "Group %05d", n);
    rec.m_strName = text;
    std::snprintf(text, sizeof text, "Batch %d, daily check samples", n);
    rec.m_strComment = text;
    rec.m_strRange = "1.50:12.25";
    rec.m_nRangeMode = 2;
    rec.m_bChecked = n == 0;
}

void FillChromatogram(CChromatogramData& rec, int n)
{
    static const char* const kinds[] = {"Total ion current", "Base peak", "Mass trace", "Analogue channel"};
    char text[64];
    rec.m_nType = n % 4;
    rec.m_nFunction = 1 + n % 3;
    rec.m_nAnalogue = 1 + n % 4;
    rec.m_strMass = rec.m_nType == 2 ? "556.3" : "";
    std::snprintf(text, sizeof text, "Trace %d", n + 1);
    rec.m_strName = text;
    std::snprintf(text, sizeof text, "%s of function %d", kinds[rec.m_nType], rec.m_nFunction);
    rec.m_strDescription = text;
    rec.m_bChecked = true;
}
}   // namespace

bool CListFixture::Fill(CListManager& list, int groups, int chromatograms, DWORD& firstGroup)
{
    CGroupDataHelper group;
    CChromatogramData chro;
    for (int g = 0; g < groups; ++g) {
        FillGroup(group, g);
        DWORD groupId = 0;
        if (!list.AddGroup(group, groupId))
            return false;
        if (g == 0)
            firstGroup = groupId;
        for (int c = 0; c < chromatograms; ++c) {
            FillChromatogram(chro, c);
            DWORD chroId = 0;
            if (!list.AddChro(chro, chroId, groupId))
                return false;
        }
    }
    return true;
}

bool CListFixture::WriteFile(const std::string& path, int groups, int chromatograms)
{
    CListManager list;
    DWORD first = 0;
    return Fill(list, groups, chromatograms, first) && list.Save(path.c_str());
}

std::string CListFixture::TempPath(const char* name)
{
    char folder[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    std::string path(folder, length < sizeof folder ? length : 0);
    return path + "vtbench-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

long long CListFixture::FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
