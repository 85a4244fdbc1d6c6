// RefreshGroupList with 10,000 groups and RefreshChromatogramList with 2,000 chromatograms,
// in a real workspace window, against a raw loop that inserts the same rows into a plain
// list view of the same style with redraw off.
#include "Benchmarks.h"
#include "CListFixture.h"
#include "CStopwatch.h"
#include "CWorkspaceData.h"
#include "CWorkspaceView.h"
#include "CWinApp.h"
#include "CAppOptions.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
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
        m_hRaw = CreateWindowExA(0, WC_LISTVIEWA, "", kListStyle, 600, 0, 300, 600, m_hParent, nullptr,
                                 wc.hInstance, nullptr);
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
    CListManager& Manager() { return m_workspace->Data().m_listManager; }

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
}  // namespace

CBenchResult bench::GroupListRefresh()
{
    CBenchResult result("group list refresh", "ms", 2.0);
    CRefreshBench bench;
    DWORD first = 0;
    if (!bench.IsReady() || !CListFixture::Fill(bench.Manager(), 10000, 0, first)) {
        result.Fail("cannot create the windows or the list");
        return result;
    }
    const Rows rows = GroupRows(bench.Manager());
    HWND groups = bench.Workspace().Data().m_groupList.m_hWnd;
    for (int run = 0; run < kRuns; ++run) {
        result.AddBaseline(bench.InsertRaw(rows));
        CStopwatch clock;
        bench.Workspace().RefreshGroupList();
        result.AddOurs(clock.ElapsedMs());
        CRefreshBench::Pump();
    }
    if (ListView_GetItemCount(groups) != 10000 || bench.RawRows() != 10000)
        result.Fail("a list does not show 10,000 rows");
    return result;
}

CBenchResult bench::ChroListRefresh()
{
    CBenchResult result("chromatogram list refresh", "ms", 2.0);
    CRefreshBench bench;
    DWORD group = 0;
    if (!bench.IsReady() || !CListFixture::Fill(bench.Manager(), 1, 2000, group)) {
        result.Fail("cannot create the windows or the list");
        return result;
    }
    bench.Workspace().RefreshGroupList();
    bench.Workspace().Data().m_groupList.SelectItem(0);
    CRefreshBench::Pump();
    const Rows rows = ChroRows(bench.Manager(), group);
    HWND chros = bench.Workspace().Data().m_chroList.m_hWnd;
    for (int run = 0; run < kRuns; ++run) {
        result.AddBaseline(bench.InsertRaw(rows));
        CStopwatch clock;
        bench.Workspace().RefreshChromatogramList();
        result.AddOurs(clock.ElapsedMs());
        CRefreshBench::Pump();
    }
    if (ListView_GetItemCount(chros) != 2000 || bench.RawRows() != 2000)
        result.Fail("a list does not show 2,000 rows");
    return result;
}
