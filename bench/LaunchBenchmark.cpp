// LaunchGroup of a group of checked chromatograms (64 of them) to a host window in another
// process, against the same command texts (66) sent by a raw SendMessageTimeout loop.
#include "Benchmarks.h"
#include "ChildProcess.h"
#include "CChroDisplayLink.h"
#include "CGroupLaunch.h"
#include "CListFixture.h"
#include "CStopwatch.h"

#include <string>
#include <vector>

namespace {
const ULONG_PTR kCommandTag = 0x56540001;
const char kReadyEvent[] = "VantraceBenchHostReady";

// The texts LaunchGroup sends for the group: range, clear, then each chromatogram.
std::vector<std::string> CommandTexts(CListManager& list, DWORD group)
{
    CGroupDataHelper rec;
    list.GetGroup(rec, group);
    std::vector<std::string> texts;
    texts.push_back("app.command[chrodisplay:range](" + rec.m_strRange + ")");
    texts.push_back("app.command[chrodisplay:clear]()");
    CChroDisplayLink link;
    DWORD chro = 0;
    for (int pos = 0; list.GetChroOrder(group, pos, chro); ++pos) {
        CChromatogramData data;
        list.GetChromatogram(group, chro, data);
        std::string text;
        link.BuildDisplayCommand(data, text, pos == 0 ? "newwindow" : "add");
        texts.push_back(text);
    }
    return texts;
}

bool SendRaw(HWND host, const std::vector<std::string>& texts)
{
    bool ok = true;
    for (const std::string& text : texts) {
        COPYDATASTRUCT cds{};
        cds.dwData = kCommandTag;
        cds.cbData = static_cast<DWORD>(text.size() + 1);
        cds.lpData = const_cast<char*>(text.c_str());
        DWORD_PTR answer = 0;
        ok = SendMessageTimeoutA(host, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG,
                                 CChroDisplayLink::kHostTimeout, &answer)
             && answer && ok;
    }
    return ok;
}

// Starts the host stand-in and returns its window, or null.
HWND StartHost(ChildProcess& host)
{
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, kReadyEvent);
    HWND window = nullptr;
    if (ready && host.Start("bench_host.exe", kReadyEvent) && WaitForSingleObject(ready, 30000) == WAIT_OBJECT_0)
        window = FindWindowA("ChroWClass", nullptr);
    if (ready)
        CloseHandle(ready);
    return window;
}
}   // namespace

CBenchResult bench::GroupLaunch()
{
    return MeasureGroupLaunch({1, 64});
}

CBenchResult bench::MeasureGroupLaunch(const SBenchSize& size)
{
    CBenchResult result("group launch", "ms", 1.05);
    CListManager list;
    DWORD group = 0;
    ChildProcess host;
    HWND window = StartHost(host);
    if (!window || !CListFixture::Fill(list, 1, size.chromatograms, group)) {
        result.Fail("no host window");
        return result;
    }
    const std::vector<std::string> texts = CommandTexts(list, group);
    CGroupLaunch launch(list);
    // The warm-up: neither side then pays for loading the library or for first calls.
    for (int run = 0; run < kWarmUps; ++run) {
        if (size.baseline)
            SendRaw(window, texts);
        launch.LaunchGroup(group);
    }
    const LRESULT before = SendMessageA(window, WM_APP, 0, 0);
    for (int run = 0; run < size.runs; ++run) {
        if (size.baseline) {
            CStopwatch raw;
            if (!SendRaw(window, texts))
                result.Fail("the host refused a raw command");
            result.AddBaseline(raw.ElapsedMs());
        }
        CStopwatch ours;
        if (!launch.LaunchGroup(group))
            result.Fail("LaunchGroup found nothing to launch");
        result.AddOurs(ours.ElapsedMs());
    }
    const LRESULT received = SendMessageA(window, WM_APP, 0, 0) - before;
    const LRESULT expected = LRESULT((size.baseline ? 2 : 1) * size.runs * texts.size());
    if (received != expected)
        result.Fail("the host received " + std::to_string(received) + " commands, not " + std::to_string(expected));
    PostMessageA(window, WM_CLOSE, 0, 0);
    host.Wait(10000);
    return result;
}
