// The edits a user makes on a big list, for the growth curve (bench/run scale): the undo of
// a paste, Move Down of a chromatogram, Move Group Down, the paste preview's appearance and
// the export of the whole list. Each drives a real workspace window through its commands
// (CWorkspaceBench) and has no baseline: the curve shows whether the cost per record holds.
#include "Benchmarks.h"
#include "CListFixture.h"
#include "CStopwatch.h"
#include "CWorkspaceBench.h"
#include "DialogAnswerer.h"
#include "FrameworkIds.h"
#include "resource.h"

#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <string>

namespace {
int SelectedRow(HWND list)
{
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

// Presses one command, timed, then its inverse, untimed, size.runs times after the warm-ups;
// the row selected after each timed press must be movedTo.
void PressAndBack(CBenchResult& result, CWorkspaceBench& bench, const bench::SBenchSize& size, HWND list,
                  UINT command, UINT inverse, int movedTo)
{
    for (int run = -bench::kWarmUps; run < size.runs; ++run) {
        const double ms = bench.Command(command);
        CWorkspaceBench::Pump();
        if (SelectedRow(list) != movedTo) {
            result.Fail("the row did not move");
            return;
        }
        if (run >= 0)
            result.AddOurs(ms);
        bench.Command(inverse);
        CWorkspaceBench::Pump();
    }
}

// A window with one empty group, selected: where the paste benchmarks paste.
bool OneEmptyGroup(CWorkspaceBench& bench, CBenchResult& result)
{
    if (!bench.Load(1, 0)) {
        result.Fail("cannot create the window or the list");
        return false;
    }
    bench.Select(bench.GroupList(), 0);
    return true;
}
}   // namespace

CBenchResult bench::MeasureUndoPaste(const SBenchSize& size)
{
    CBenchResult result("undo paste", "ms", 1.5);
    CWorkspaceBench bench;
    if (!OneEmptyGroup(bench, result))
        return result;
    const std::string text = CWorkspaceBench::MassList(size.chromatograms);
    for (int run = -kWarmUps; run < size.runs; ++run) {
        double shown = 0, after = 0;
        if (!bench.Paste(text, IDOK, shown, after) || bench.Rows(bench.ChroList()) != size.chromatograms) {
            result.Fail("the paste did not add its rows");
            return result;
        }
        const double ms = bench.Command(ID_EDIT_UNDO);
        CWorkspaceBench::Pump();
        if (bench.Rows(bench.ChroList()) != 0) {
            result.Fail("the undo left rows");
            return result;
        }
        if (run >= 0)
            result.AddOurs(ms);
    }
    return result;
}

CBenchResult bench::MeasureMoveDown(const SBenchSize& size)
{
    CBenchResult result("move down", "ms", 1.5);
    CWorkspaceBench bench;
    const int rows = size.chromatograms;
    if (rows < 2 || !bench.Load(1, rows)) {
        result.Fail("cannot create the window or the list");
        return result;
    }
    bench.Select(bench.GroupList(), 0);
    bench.Select(bench.ChroList(), rows - 2);
    PressAndBack(result, bench, size, bench.ChroList(), ID_CHRO_MOVE_DOWN, ID_CHRO_MOVE_UP, rows - 1);
    return result;
}

CBenchResult bench::MeasureMoveGroup(const SBenchSize& size)
{
    CBenchResult result("move group", "ms", 1.5);
    CWorkspaceBench bench;
    if (size.groups < 2 || !bench.Load(size.groups, size.chromatograms)) {
        result.Fail("cannot create the window or the list");
        return result;
    }
    bench.Select(bench.GroupList(), size.groups - 2);
    PressAndBack(result, bench, size, bench.GroupList(), ID_GROUP_MOVE_DOWN, ID_GROUP_MOVE_UP, size.groups - 1);
    return result;
}

CBenchResult bench::MeasurePastePreview(const SBenchSize& size)
{
    CBenchResult result("paste preview", "ms", 1.5);
    CWorkspaceBench bench;
    if (!OneEmptyGroup(bench, result))
        return result;
    const std::string text = CWorkspaceBench::MassList(size.chromatograms);
    for (int run = -kWarmUps; run < size.runs; ++run) {
        double shown = 0, after = 0;
        if (!bench.Paste(text, IDCANCEL, shown, after) || bench.Rows(bench.ChroList()) != 0) {
            result.Fail("the preview did not show, or its Cancel added rows");
            return result;
        }
        CWorkspaceBench::Pump();
        if (run >= 0)
            result.AddOurs(shown);
    }
    return result;
}

// From the file dialog's OK to the end of the command: the export's own work.
CBenchResult bench::MeasureExport(const SBenchSize& size)
{
    CBenchResult result("export", "ms", 1.5);
    CWorkspaceBench bench;
    const std::string path = CListFixture::TempPath("export.csv");
    if (!bench.Load(size.groups, size.chromatograms)) {
        result.Fail("cannot create the window or the list");
        return result;
    }
    bench.Select(bench.GroupList(), 0);
    for (int run = -kWarmUps; run < size.runs; ++run) {
        DeleteFileA(path.c_str());
        CStopwatch clock;
        std::atomic<double> pressedMs{0};
        ui::DialogAnswerer answerer;
        answerer
            .Expect("Export", IDOK,
                    [](HWND dialog) { CheckRadioButton(dialog, IDC_EXPORT_GROUP, IDC_EXPORT_LIST, IDC_EXPORT_LIST); })
            .Expect("Save As", IDOK, [&](HWND dialog) {
                ui::TypeFileName(path)(dialog);
                pressedMs = clock.ElapsedMs();
            });
        answerer.Start(60000);
        bench.Command(ID_FILE_EXPORT);
        const double endMs = clock.ElapsedMs();
        const bool answered = answerer.Finish().size() == 2;
        if (!answered || CListFixture::FileSize(path) <= 0) {
            result.Fail("the export did not write its file");
            break;
        }
        if (run >= 0)
            result.AddOurs(endMs - pressedMs);
        CWorkspaceBench::Pump();
    }
    DeleteFileA(path.c_str());
    return result;
}
