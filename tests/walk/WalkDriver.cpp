#include "WalkDriver.h"

#include "CCmdUI.h"
#include "Pump.h"
#include "WorkspaceFixture.h"
#include "resource.h"

#include <commctrl.h>

#include <atomic>
#include <iterator>
#include <thread>

namespace walk {
namespace {
const DWORD kWindowWaitMs = 8000;   // a busy machine may take seconds to show a dialog
const int kStrayMs = 3000;          // a window nobody expected is closed after this

struct Row {
    std::string first;
    std::string second;
    bool checked = false;
    bool operator==(const Row&) const = default;
};

std::vector<Row> ReadRows(HWND list)
{
    std::vector<Row> rows;
    const int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i) {
        char first[512] = {};
        char second[512] = {};
        ListView_GetItemText(list, i, 0, first, sizeof first);
        ListView_GetItemText(list, i, 1, second, sizeof second);
        const UINT state = ListView_GetItemState(list, i, LVIS_STATEIMAGEMASK);
        rows.push_back({first, second, (state >> 12) == 2});
    }
    return rows;
}

std::string Show(const std::vector<Row>& rows)
{
    std::string text;
    for (const Row& row : rows)
        text += std::string(row.checked ? " [x] " : " [ ] ") + row.first + " | " + row.second + "\n";
    return text.empty() ? " (no rows)\n" : text;
}

// Cancels every dialog window of this process without waiting for its thread.
bool CloseDialogs()
{
    bool any = false;
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            char cls[16] = {};
            GetClassNameA(hwnd, cls, sizeof cls);
            if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && std::string(cls) == "#32770") {
                PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
                PostMessageA(hwnd, WM_CLOSE, 0, 0);
                *reinterpret_cast<bool*>(lParam) = true;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&any));
    return any;
}
}   // namespace

WalkDriver::WalkDriver(CWorkspaceTestFrame& frame, std::string folder) : m_frame(frame), m_folder(std::move(folder))
{
    // The recovery file goes to the walk's folder; an earlier walk's writer ends first.
    if (CRecoveryWriter* earlier = View().Document().Recovery())
        earlier->Remove();
    View().Document().EnableRecovery(CRecoveryStore(m_folder));
}

CWorkspaceView& WalkDriver::View()
{
    return m_frame.m_workspace;
}

HWND WalkDriver::GroupList()
{
    return View().GroupList().m_hWnd;
}

HWND WalkDriver::ChroList()
{
    return View().ChroList().m_hWnd;
}

int WalkDriver::Selected(HWND list)
{
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

int WalkDriver::Rows(HWND list)
{
    return ListView_GetItemCount(list);
}

void WalkDriver::Command(UINT id)
{
    m_frame.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool WalkDriver::Enabled(UINT id)
{
    CCmdUI state;
    state.m_nID = id;
    state.DoUpdate(&m_frame, false);
    return state.m_bEnabled;
}

void WalkDriver::Idle()
{
    CCmdUI state;
    state.m_nID = ID_AUTOMATE;
    state.DoUpdate(&m_frame, true);
    ui::PumpPending();
}

std::string WalkDriver::Run(const std::vector<Window>& expected, const std::function<void()>& code)
{
    ui::DialogAnswerer answerer;
    for (const Window& window : expected)
        answerer.Expect(window.caption, window.button, window.action);
    std::atomic<bool> done{false};
    std::atomic<bool> stray{false};
    std::vector<ui::SeenDialog> seen;
    answerer.Start(kWindowWaitMs);
    std::thread guard([&] {
        seen = answerer.Finish();
        for (int waited = 0; !done; waited += 20) {
            Sleep(20);
            if (waited >= kStrayMs && CloseDialogs()) {
                stray = true;
                waited = 0;
            }
        }
    });
    code();
    ui::PumpPending();
    done = true;
    guard.join();
    ui::PumpPending();

    std::string problem;
    for (size_t i = 0; i < expected.size(); ++i) {
        if (i >= seen.size()) {
            problem += "expected window \"" + expected[i].caption + "\" never opened\n";
            break;
        }
        if (!expected[i].text.empty() && seen[i].text != expected[i].text)
            problem += "window \"" + expected[i].caption + "\" said \"" + seen[i].text + "\", expected \""
                       + expected[i].text + "\"\n";
    }
    if (stray)
        problem += "a window opened that the model did not expect\n";
    return problem;
}

std::string WalkDriver::Check(const ModelState& model)
{
    const std::vector<Row> groupRows = ReadRows(GroupList());
    const ListData data = FromManager(View().Document().Manager());
    if (!(data == model.list))
        return "the list manager holds\n" + Describe(data) + "the model holds\n" + Describe(model.list)
               + "the group list shows\n" + Show(groupRows);

    std::vector<Row> groups;
    for (const GroupModel& group : model.list.groups)
        groups.push_back({group.name, group.comment, group.checked});
    if (groupRows != groups)
        return "the group list shows\n" + Show(groupRows) + "the model's groups are\n" + Show(groups);
    int checked = 0;
    for (const Row& row : groupRows)
        checked += row.checked ? 1 : 0;
    if (checked > 1)
        return std::to_string(checked) + " groups are checked";

    const int selected = Selected(GroupList());
    std::vector<Row> chros;
    if (selected >= 0) {
        for (const ChroModel& chro : model.list.groups[static_cast<size_t>(selected)].chros)
            chros.push_back({chro.name, chro.description, chro.checked});
    }
    const std::vector<Row> chroRows = ReadRows(ChroList());
    if (chroRows != chros)
        return "group row " + std::to_string(selected) + " is selected; the chromatogram list shows\n" + Show(chroRows)
               + "the group's chromatograms are\n" + Show(chros);

    const std::string title = m_frame.GetWindowText();
    if (title != model.Title())
        return "the title is \"" + title + "\", expected \"" + model.Title() + "\"";
    return "";
}

ListData WalkDriver::FromManager(const CListManager& manager)
{
    ListData list;
    DWORD groupId = 0;
    for (int g = 0; manager.GetGroupOrder(g, groupId); ++g) {
        CGroupDataHelper record;
        manager.GetGroup(record, groupId);
        GroupModel group;
        group.name = record.m_strName;
        group.comment = record.m_strComment;
        group.basedOn = record.m_strBasedOn;
        group.range = record.m_strRange;
        group.rangeMode = record.m_nRangeMode;
        group.checked = record.m_bChecked;
        DWORD chroId = 0;
        for (int c = 0; manager.GetChroOrder(groupId, c, chroId); ++c) {
            CChromatogramData rec;
            manager.GetChromatogram(groupId, chroId, rec);
            group.chros.push_back({rec.m_strName, rec.m_strDescription, rec.m_strMass, rec.m_strBasedOn, rec.m_nType,
                                   rec.m_nAnalogue, rec.m_nFunction, rec.m_bChecked});
        }
        list.groups.push_back(std::move(group));
    }
    return list;
}

bool WalkDriver::LoadFile(const std::string& path, ListData& list)
{
    CListManager manager;
    if (!manager.Load(path.c_str()))
        return false;
    list = FromManager(manager);
    return true;
}
}   // namespace walk
