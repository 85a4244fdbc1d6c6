// RefreshGroupList (10,000 groups) and RefreshChromatogramList (2,000 chromatograms), in a
// real workspace window, against an owner-data list view of the same style and image lists
// given the same rows (COwnerDataList). Paste of a 500-line mass list into a fresh group
// through the real clipboard and preview, against adding the same records to a list directly
// and showing them so. The undo of a group deletion against inserting the group back directly
// and showing both lists so.
#include "Benchmarks.h"
#include "ChildProcess.h"
#include "CListFixture.h"
#include "COwnerDataList.h"
#include "CPreviewPresser.h"
#include "CStopwatch.h"
#include "CWorkspaceBench.h"
#include "CWorkspaceView.h"
#include "CWinApp.h"
#include "CAppOptions.h"
#include "CTransferClipboard.h"
#include "resource.h"

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {
// The application object, for the registry root; it owns the options the workspace is lent.
class CBenchApp : public CWinApp {
public:
    CBenchApp()
    {
        SetRegistryKey("Fenwright");
        m_pOptions = std::make_unique<CAppOptions>();
    }
    std::unique_ptr<CAppOptions> m_pOptions;
};

// A top-level window holding the workspace and, beside it, the baseline's list view.
class CRefreshBench {
public:
    CRefreshBench()
    {
        m_hParent = CWorkspaceBench::CreateParentWindow();
        m_workspace = std::make_unique<CWorkspaceView>();
        m_workspace->SetStores(m_app.m_pOptions.get(), nullptr);
        m_workspace->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 600, 600}, m_hParent, 0xE900);
        m_baseline = std::make_unique<COwnerDataList>(m_hParent, RECT{600, 0, 900, 300});
        m_baseChros = std::make_unique<COwnerDataList>(m_hParent, RECT{600, 300, 900, 600});
    }
    ~CRefreshBench()
    {
        m_workspace.reset();
        m_baseline.reset();
        m_baseChros.reset();
        if (m_hParent)
            DestroyWindow(m_hParent);
    }
    bool IsReady() const
    {
        return m_hParent && m_baseline->IsReady() && m_baseChros->IsReady() && m_workspace->m_hWnd;
    }
    CWorkspaceView& Workspace() { return *m_workspace; }
    CListManager& Manager() { return m_workspace->Document().Manager(); }

    // The baselines' group list and chromatogram list.
    COwnerDataList& Baseline() { return *m_baseline; }
    COwnerDataList& BaseChros() { return *m_baseChros; }

    // Handles what the refreshes posted, outside the timed part.
    static void Pump()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

private:
    CBenchApp m_app;
    HWND m_hParent = nullptr;
    std::unique_ptr<CWorkspaceView> m_workspace;
    std::unique_ptr<COwnerDataList> m_baseline;
    std::unique_ptr<COwnerDataList> m_baseChros;
};

double OwnPrivateMiB()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return double(counters.PagefileUsage) / (1024.0 * 1024.0);
}

}   // namespace

CBenchResult bench::GroupListRefresh()
{
    return MeasureGroupListRefresh({10000, 0});
}

CBenchResult bench::ChroListRefresh()
{
    return MeasureChroListRefresh({1, 2000});
}

CBenchResult bench::MeasureGroupListRefresh(const SBenchSize& size)
{
    CBenchResult result("group list refresh", "ms", 1.2);
    CRefreshBench bench;
    DWORD first = 0;
    if (!bench.IsReady() || !CListFixture::Fill(bench.Manager(), size.groups, 0, first)) {
        result.Fail("cannot create the windows or the list");
        return result;
    }
    HWND groups = bench.Workspace().GroupList().m_hWnd;
    for (int run = -kWarmUps; run < size.runs; ++run) {
        if (size.baseline) {
            CStopwatch base;
            bench.Baseline().ShowGroups(bench.Manager());
            if (run >= 0)
                result.AddBaseline(base.ElapsedMs());
        }
        CStopwatch clock;
        bench.Workspace().RefreshGroupList();
        if (run >= 0)
            result.AddOurs(clock.ElapsedMs());
        CRefreshBench::Pump();
    }
    if (ListView_GetItemCount(groups) != size.groups || (size.baseline && bench.Baseline().Count() != size.groups))
        result.Fail("a list does not show " + std::to_string(size.groups) + " rows");
    return result;
}

CBenchResult bench::MeasureChroListRefresh(const SBenchSize& size)
{
    CBenchResult result("chromatogram list refresh", "ms", 1.3);
    CRefreshBench bench;
    DWORD group = 0;
    if (!bench.IsReady() || !CListFixture::Fill(bench.Manager(), 1, size.chromatograms, group)) {
        result.Fail("cannot create the windows or the list");
        return result;
    }
    bench.Workspace().RefreshGroupList();
    bench.Workspace().GroupList().SelectItem(0);
    CRefreshBench::Pump();
    HWND chros = bench.Workspace().ChroList().m_hWnd;
    for (int run = -kWarmUps; run < size.runs; ++run) {
        if (size.baseline) {
            CStopwatch base;
            bench.Baseline().ShowChros(bench.Manager(), group);
            if (run >= 0)
                result.AddBaseline(base.ElapsedMs());
        }
        CStopwatch clock;
        bench.Workspace().RefreshChromatogramList();
        if (run >= 0)
            result.AddOurs(clock.ElapsedMs());
        CRefreshBench::Pump();
    }
    if (ListView_GetItemCount(chros) != size.chromatograms
        || (size.baseline && bench.Baseline().Count() != size.chromatograms))
        result.Fail("a list does not show " + std::to_string(size.chromatograms) + " rows");
    return result;
}

namespace {
const int kMassLines = 500;
}   // namespace

std::pair<CBenchResult, CBenchResult> bench::PasteMassList()
{
    std::pair<CBenchResult, CBenchResult> results{CBenchResult("paste 500-line mass list, preview shown", "ms", 200),
                                                  CBenchResult("paste 500-line mass list, rows added", "ms", 1.5)};
    results.first.SetAbsoluteTarget();
    results.second.SetCeiling(1000);
    CRefreshBench bench;
    std::vector<CChromatogramData> records(kMassLines);
    std::string text;
    for (int line = 0; line < kMassLines; ++line) {
        const std::string mass = std::to_string(100 + line) + "." + std::to_string(line % 10);
        text += mass + "\r\n";
        records[static_cast<size_t>(line)].m_strName = records[static_cast<size_t>(line)].m_strMass = mass;
        records[static_cast<size_t>(line)].m_nType = 2;
    }
    const std::wstring wide(text.begin(), text.end());
    DWORD group = 0;
    CGroupDataHelper groupRecord;
    if (!bench.IsReady()) {
        results.first.Fail("cannot create the windows or the list");
        return results;
    }
    HWND view = bench.Workspace().m_hWnd;
    for (int run = 0; run < kRuns; ++run) {
        // Each run pastes into a fresh, empty group.
        bench.Manager().AddGroup(groupRecord, group);
        bench.Workspace().RefreshGroupList();
        bench.Workspace().GroupList().SelectItem(run);
        CRefreshBench::Pump();
        // The baseline: the same records added to a list directly, and shown in an owner-data list.
        CListManager direct;
        DWORD directGroup = 0;
        direct.AddGroup(groupRecord, directGroup);
        CStopwatch directClock;
        for (const CChromatogramData& record : records) {
            DWORD id = 0;
            direct.AddChro(record, id, directGroup);
        }
        bench.BaseChros().ShowChros(direct, directGroup);
        const double baseline = directClock.ElapsedMs();
        results.first.AddBaseline(baseline);
        results.second.AddBaseline(baseline);

        if (!OpenClipboard(nullptr) || !EmptyClipboard()) {
            results.first.Fail("cannot fill the clipboard");
            return results;
        }
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
        memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();

        CStopwatch clock;
        double doneMs = 0;
        double shownMs = 0;
        double okMs = 0;
        {
            CPreviewPresser presser(clock);
            SendMessageA(view, WM_COMMAND, ID_EDIT_PASTE, 0);
            doneMs = clock.ElapsedMs();
            shownMs = presser.m_shownMs;
            okMs = presser.m_okMs;
        }
        if (shownMs <= 0) {
            results.first.Fail("the preview did not show");
            return results;
        }
        results.first.AddOurs(shownMs);
        results.second.AddOurs(doneMs - okMs);
        CRefreshBench::Pump();
    }
    int rows = 0;
    bench.Manager().GetNoChros(group, rows);
    if (rows != kMassLines)
        results.second.Fail("the group did not get every row");
    return results;
}

std::string bench::MemoryParts(int groups, int chromatograms)
{
    // The list file is written by this process, whose heap then holds the freed memory of the
    // list it was written from; the parts are measured in a fresh one.
    const std::string path = CListFixture::TempPath("parts.vtl");
    const std::string out = CListFixture::TempPath("parts.txt");
    if (!CListFixture::WriteFile(path, groups, chromatograms))
        return "memory parts: cannot write the list file";
    ChildProcess child;
    std::string line = "memory parts: the measuring process did not finish";
    if (child.Start("vtbench.exe", "parts-of \"" + path + "\" " + std::to_string(groups) + " \"" + out + "\"")
        && child.Wait(60000)) {
        char text[256] = {};
        if (FILE* file = std::fopen(out.c_str(), "rb")) {
            line.assign(text, std::fread(text, 1, sizeof text - 1, file));
            std::fclose(file);
        }
    }
    DeleteFileA(path.c_str());
    DeleteFileA(out.c_str());
    return line;
}

bool bench::MeasureParts(const char* path, int groups, const char* out)
{
    const double fileMiB = double(CListFixture::FileSize(path)) / (1024.0 * 1024.0);
    CRefreshBench bench;
    const double empty = OwnPrivateMiB();
    const bool loaded = bench.Manager().Load(path);
    const double withList = OwnPrivateMiB();
    bench.Workspace().RefreshGroupList();
    CRefreshBench::Pump();
    const double withRows = OwnPrivateMiB();
    FILE* file = std::fopen(out, "wb");
    if (!file)
        return false;
    if (loaded)
        std::fprintf(file,
                     "memory parts (file %.1f MiB): workspace without a list %.1f MiB, list data %.1f MiB, "
                     "list view rows %.1f MiB (%d groups, %.0f bytes a row)",
                     fileMiB, empty, withList - empty, withRows - withList, groups,
                     (withRows - withList) * 1024.0 * 1024.0 / groups);
    else
        std::fprintf(file, "memory parts: Load failed");
    std::fclose(file);
    return loaded;
}

// Undo of a deleted group of 1,000 chromatograms through the workspace's edit path with the
// lists refreshed, against the group and its records inserted back into a list directly and
// both lists shown in owner-data list views.
CBenchResult bench::UndoDeleteGroup()
{
    CBenchResult result("undo delete group", "ms", 1.3);
    CRefreshBench bench;
    DWORD first = 0;
    CListManager direct;
    DWORD directFirst = 0;
    CGroupDataHelper directGroup;
    std::vector<SChroRecord> directChros(1000);
    if (!bench.IsReady() || !CListFixture::Fill(bench.Manager(), 3, 1000, first)
        || !CListFixture::Fill(direct, 3, 1000, directFirst) || !direct.GetGroup(directGroup, directFirst)) {
        result.Fail("cannot create the windows or the list");
        return result;
    }
    for (int pos = 0; pos < 1000; ++pos) {
        SChroRecord& chro = directChros[static_cast<size_t>(pos)];
        direct.GetChroOrder(directFirst, pos, chro.id);
        direct.GetChromatogram(directFirst, chro.id, chro.rec);
    }
    CWorkspaceView& workspace = bench.Workspace();
    workspace.RefreshGroupList();
    workspace.GroupList().SelectItem(0);
    workspace.RefreshChromatogramList();
    CRefreshBench::Pump();
    for (int run = 0; run < kRuns; ++run) {
        direct.RemoveGroup(directFirst);
        std::vector<SChroRecord> chros = directChros;
        CStopwatch base;
        DWORD id = directFirst;
        const bool inserted = direct.InsertGroup(directGroup, id, 0) && direct.InsertChros(id, 0, chros);
        bench.Baseline().ShowGroups(direct);
        bench.BaseChros().ShowChros(direct, id);
        result.AddBaseline(base.ElapsedMs());
        const bool deleted = workspace.Groups().DeleteGroup(first) && inserted;
        CRefreshBench::Pump();
        CStopwatch undo;
        const bool undone = workspace.Document().Undo();
        result.AddOurs(undo.ElapsedMs());
        CRefreshBench::Pump();
        if (!deleted || !undone) {
            result.Fail("the deletion or its undo was refused");
            return result;
        }
    }
    if (ListView_GetItemCount(workspace.GroupList().m_hWnd) != 3
        || ListView_GetItemCount(workspace.ChroList().m_hWnd) != 1000)
        result.Fail("the undo did not bring back the group's 1,000 rows");
    return result;
}
