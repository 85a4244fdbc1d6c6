// RefreshGroupList (10,000 groups) and RefreshChromatogramList (2,000 chromatograms),
// in a real workspace window, against a raw loop that inserts the same rows into a plain
// list view of the same style with redraw off. And Paste of a 500-line mass list through
// the real clipboard and preview, against adding the same records to a list directly.
// list view of the same style with redraw off; and the undo of a group deletion against the
// deletion.
#include "Benchmarks.h"
#include "ChildProcess.h"
#include "CListFixture.h"
#include "CStopwatch.h"
#include "CWorkspaceView.h"
#include "CWinApp.h"
#include "CAppOptions.h"
#include "CTransferClipboard.h"
#include "resource.h"

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {
const DWORD kListStyle = 0x5080880D;   // the workspace's list style
using Rows = std::vector<std::pair<std::string, std::string>>;

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
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VantraceBenchParent";
        RegisterClassA(&wc);
        m_hParent = CreateWindowExA(0, wc.lpszClassName, "Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900, 600,
                                    nullptr, nullptr, wc.hInstance, nullptr);
        m_workspace = std::make_unique<CWorkspaceView>();
        m_workspace->SetStores(m_app.m_pOptions.get(), nullptr);
        m_workspace->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 600, 600}, m_hParent, 0xE900);
        m_hRaw = CreateWindowExA(0, WC_LISTVIEWA, "", kListStyle, 600, 0, 300, 600, m_hParent, nullptr, wc.hInstance,
                                 nullptr);
        for (int col = 0; col < 2; ++col) {
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = 150;
            column.pszText = const_cast<char*>(col ? "Comment" : "Name");
            SendMessageA(m_hRaw, LVM_INSERTCOLUMNA, col, reinterpret_cast<LPARAM>(&column));
        }
    }
    ~CRefreshBench()
    {
        m_workspace.reset();
        if (m_hParent)
            DestroyWindow(m_hParent);
    }
    bool IsReady() const { return m_hParent && m_hRaw && m_workspace->m_hWnd; }
    CWorkspaceView& Workspace() { return *m_workspace; }
    CListManager& Manager() { return m_workspace->Document().Manager(); }

    // The baseline: delete every row, insert these with their data, redraw off meanwhile.
    double InsertRaw(const Rows& rows)
    {
        CStopwatch clock;
        SendMessageA(m_hRaw, WM_SETREDRAW, FALSE, 0);
        SendMessageA(m_hRaw, LVM_DELETEALLITEMS, 0, 0);
        for (size_t i = 0; i < rows.size(); ++i) {
            LVITEMA item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = static_cast<int>(i);
            item.pszText = const_cast<char*>(rows[i].first.c_str());
            item.lParam = static_cast<LPARAM>(i + 1);
            const int row = static_cast<int>(SendMessageA(m_hRaw, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
            LVITEMA sub{};
            sub.iSubItem = 1;
            sub.pszText = const_cast<char*>(rows[i].second.c_str());
            SendMessageA(m_hRaw, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&sub));
        }
        SendMessageA(m_hRaw, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(m_hRaw, nullptr, TRUE);
        return clock.ElapsedMs();
    }
    int RawRows() const { return static_cast<int>(SendMessageA(m_hRaw, LVM_GETITEMCOUNT, 0, 0)); }

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
    HWND m_hRaw = nullptr;
    std::unique_ptr<CWorkspaceView> m_workspace;
};

double OwnPrivateMiB()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return double(counters.PagefileUsage) / (1024.0 * 1024.0);
}

Rows GroupRows(CListManager& list)
{
    Rows rows;
    CGroupDataHelper rec;
    DWORD id = 0;
    for (int pos = 0; list.GetGroupOrder(pos, id); ++pos) {
        list.GetGroup(rec, id);
        rows.emplace_back(rec.m_strName, rec.m_strComment);
    }
    return rows;
}

Rows ChroRows(CListManager& list, DWORD group)
{
    Rows rows;
    CChromatogramData rec;
    DWORD id = 0;
    for (int pos = 0; list.GetChroOrder(group, pos, id); ++pos) {
        list.GetChromatogram(group, id, rec);
        rows.emplace_back(rec.m_strName, rec.m_strDescription);
    }
    return rows;
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
    CBenchResult result("group list refresh", "ms", 1.5);
    CRefreshBench bench;
    DWORD first = 0;
    if (!bench.IsReady() || !CListFixture::Fill(bench.Manager(), size.groups, 0, first)) {
        result.Fail("cannot create the windows or the list");
        return result;
    }
    const Rows rows = GroupRows(bench.Manager());
    HWND groups = bench.Workspace().GroupList().m_hWnd;
    for (int run = -kWarmUps; run < size.runs; ++run) {
        if (size.baseline) {
            const double raw = bench.InsertRaw(rows);
            if (run >= 0)
                result.AddBaseline(raw);
        }
        CStopwatch clock;
        bench.Workspace().RefreshGroupList();
        if (run >= 0)
            result.AddOurs(clock.ElapsedMs());
        CRefreshBench::Pump();
    }
    if (ListView_GetItemCount(groups) != size.groups || (size.baseline && bench.RawRows() != size.groups))
        result.Fail("a list does not show " + std::to_string(size.groups) + " rows");
    return result;
}

CBenchResult bench::MeasureChroListRefresh(const SBenchSize& size)
{
    CBenchResult result("chromatogram list refresh", "ms", 1.5);
    CRefreshBench bench;
    DWORD group = 0;
    if (!bench.IsReady() || !CListFixture::Fill(bench.Manager(), 1, size.chromatograms, group)) {
        result.Fail("cannot create the windows or the list");
        return result;
    }
    bench.Workspace().RefreshGroupList();
    bench.Workspace().GroupList().SelectItem(0);
    CRefreshBench::Pump();
    const Rows rows = ChroRows(bench.Manager(), group);
    HWND chros = bench.Workspace().ChroList().m_hWnd;
    for (int run = -kWarmUps; run < size.runs; ++run) {
        if (size.baseline) {
            const double raw = bench.InsertRaw(rows);
            if (run >= 0)
                result.AddBaseline(raw);
        }
        CStopwatch clock;
        bench.Workspace().RefreshChromatogramList();
        if (run >= 0)
            result.AddOurs(clock.ElapsedMs());
        CRefreshBench::Pump();
    }
    if (ListView_GetItemCount(chros) != size.chromatograms || (size.baseline && bench.RawRows() != size.chromatograms))
        result.Fail("a list does not show " + std::to_string(size.chromatograms) + " rows");
    return result;
}

namespace {
const int kMassLines = 500;

// Waits on its own thread for the paste preview, notes when it shows, and presses its OK.
class CPreviewPresser {
public:
    explicit CPreviewPresser(const CStopwatch& clock)
        : m_thread([this, &clock] {
              for (int wait = 0; wait < 20000 && !m_shownMs; ++wait) {
                  HWND dialog = FindWindowA(nullptr, "Paste Chromatograms");
                  if (dialog && IsWindowVisible(dialog)) {
                      m_shownMs = clock.ElapsedMs();
                      m_okMs = clock.ElapsedMs();
                      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                      return;
                  }
                  Sleep(1);
              }
          })
    {
    }
    ~CPreviewPresser() { m_thread.join(); }
    std::atomic<double> m_shownMs{0};
    std::atomic<double> m_okMs{0};

private:
    std::thread m_thread;
};
}   // namespace

std::pair<CBenchResult, CBenchResult> bench::PasteMassList()
{
    std::pair<CBenchResult, CBenchResult> results{CBenchResult("paste 500-line mass list, preview shown", "ms", 200),
                                                  CBenchResult("paste 500-line mass list, rows added", "ms", 1000)};
    results.first.SetAbsoluteTarget();
    results.second.SetAbsoluteTarget();
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
    if (!bench.IsReady() || !bench.Manager().AddGroup(groupRecord, group)) {
        results.first.Fail("cannot create the windows or the list");
        return results;
    }
    bench.Workspace().RefreshGroupList();
    bench.Workspace().GroupList().SelectItem(0);
    HWND view = bench.Workspace().m_hWnd;
    for (int run = 0; run < kRuns; ++run) {
        // The baseline: the same records added to a list directly.
        CListManager direct;
        DWORD directGroup = 0;
        direct.AddGroup(groupRecord, directGroup);
        CStopwatch directClock;
        for (const CChromatogramData& record : records) {
            DWORD id = 0;
            direct.AddChro(record, id, directGroup);
        }
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
    if (rows != kRuns * kMassLines)
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

// Undo of a deleted group of 1,000 chromatograms against the deletion itself, both through
// the workspace's edit path with the lists refreshed. Every group holds 1,000, so both
// leave 1,000 rows in the chromatogram list.
CBenchResult bench::UndoDeleteGroup()
{
    CBenchResult result("undo delete group", "ms", 2.0);
    CRefreshBench bench;
    DWORD first = 0;
    if (!bench.IsReady() || !CListFixture::Fill(bench.Manager(), 3, 1000, first)) {
        result.Fail("cannot create the windows or the list");
        return result;
    }
    CWorkspaceView& workspace = bench.Workspace();
    workspace.RefreshGroupList();
    workspace.GroupList().SelectItem(0);
    workspace.RefreshChromatogramList();
    CRefreshBench::Pump();
    for (int run = 0; run < kRuns; ++run) {
        CStopwatch deletion;
        const bool deleted = workspace.Groups().DeleteGroup(first);
        result.AddBaseline(deletion.ElapsedMs());
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
