#include "ToolList.h"

#include "CListManager.h"
#include "Registry.h"

#include <windows.h>

namespace ToolList {
std::string Prepare()
{
    CListManager lists;
    CGroupDataHelper group;
    group.m_strName = "reliability";
    group.m_bChecked = true;
    group.m_nRangeMode = 2;
    group.m_strRange = "2:15";
    DWORD groupId = 0;
    lists.AddGroup(group, groupId);
    const struct {
        int type;
        int function;
        bool checked;
        const char* mass;
    } traces[] = {{0, 1, true, ""}, {1, 2, false, ""}, {2, 1, true, "556.3"}};
    for (const auto& trace : traces) {
        CChromatogramData chro;
        chro.m_nType = trace.type;
        chro.m_nFunction = trace.function;
        chro.m_bChecked = trace.checked;
        chro.m_strMass = trace.mass;
        chro.m_strName = "trace";
        DWORD chroId = 0;
        lists.AddChro(chro, chroId, groupId);
    }
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "vtreliability.vtl";
    lists.Save(path.c_str());
    reg::WriteText(reg::Tool("Vantrace\\Recent files"), "file1", path);
    reg::WriteDword(reg::Tool("Options"), "Visiblei", 1);
    reg::WriteDword(reg::Tool("Options"), "Automatei", 1);
    return path;
}
}   // namespace ToolList
