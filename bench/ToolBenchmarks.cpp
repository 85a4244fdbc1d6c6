// Start-up (1,000 x 20 list) and memory (10,000 x 20) of Vantrace.exe started by a host, with
// the list as its most recent file. The start-up's baseline is the shell program (bench_shell:
// the tool's manifest, resources, imports and windows, the list file read raw and counted);
// the memory's is a bare program that creates one window, plus the list file's size.
#include "Benchmarks.h"
#include "CListFixture.h"
#include "CStopwatch.h"
#include "ChildProcess.h"
#include "Registry.h"
#include "StartupTimeline.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
const char kCreatedEvent[] = "VANTRACE_CREATE";

// The largest private bytes read of a program. Under Wine the system's "peak" for another
// process is only its present figure (a program that touched and freed 60 MiB read 61.6,
// then 1.6 MiB), so the benchmark samples often.
class CPeakPrivate {
public:
    explicit CPeakPrivate(const ChildProcess& child) : m_child(child) {}
    void Sample()
    {
        const ChildProcess::Usage usage = m_child.Measure(true);
        m_largest = std::max({m_largest, usage.privateBytes, usage.peakPrivateBytes});
    }
    // The largest reading so far and now; 0 when none could be read.
    double MiB()
    {
        Sample();
        return double(m_largest) / (1024.0 * 1024.0);
    }

private:
    const ChildProcess& m_child;
    SIZE_T m_largest = 0;
};

// The host's side of a start: a "ChroWClass" window on this thread (the tool's owner) and
// the event the tool sets once it has started.
class CBenchHostWindow {
public:
    CBenchHostWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ChroWClass";
        RegisterClassA(&wc);
        m_hWnd = CreateWindowExA(0, wc.lpszClassName, "Bench host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                 nullptr, wc.hInstance, nullptr);
        m_hCreated = CreateEventA(nullptr, FALSE, FALSE, kCreatedEvent);
    }
    ~CBenchHostWindow()
    {
        if (m_hCreated)
            CloseHandle(m_hCreated);
        if (m_hWnd)
            DestroyWindow(m_hWnd);
    }
    bool IsReady() const { return m_hWnd && m_hCreated; }

    // Starts a program and answers this thread's messages until it sets the event; the
    // milliseconds that took, or a negative value when it did not. With a sampler, the
    // program's private bytes are read every few milliseconds meanwhile.
    double Start(ChildProcess& child, const char* exe, const std::string& arguments, CPeakPrivate* sampled = nullptr)
    {
        ResetEvent(m_hCreated);
        CStopwatch clock;
        if (!child.Start(exe, arguments))
            return -1;
        const DWORD wait = sampled ? kSampleMs : 30000;
        while (clock.ElapsedMs() < 30000) {
            const DWORD woken = MsgWaitForMultipleObjects(1, &m_hCreated, FALSE, wait, QS_ALLINPUT);
            if (woken == WAIT_OBJECT_0)
                return clock.ElapsedMs();
            if (sampled)
                sampled->Sample();
            if (woken != WAIT_OBJECT_0 + 1 && woken != WAIT_TIMEOUT)
                return -1;
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
        }
        return -1;
    }

    // Answers this thread's messages for a while, as a host would, sampling the program's
    // private bytes if one is given.
    static void Pump(DWORD ms, CPeakPrivate* sampled = nullptr)
    {
        CStopwatch clock;
        while (clock.ElapsedMs() < ms) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kSampleMs, QS_ALLINPUT);
            if (sampled)
                sampled->Sample();
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
        }
    }

private:
    static constexpr DWORD kSampleMs = 2;

    HWND m_hWnd = nullptr;
    HANDLE m_hCreated = nullptr;
};

// Makes the list file the tool's most recent one, as a user's last save would.
bool SetMostRecent(const std::string& path)
{
    return reg::WriteText(reg::Tool("Vantrace\\Recent files"), "file1", path);
}

bool ToolIsBuilt()
{
    return GetFileAttributesA(ChildProcess::BinPath("Vantrace.exe").c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Prepares the list file and the host; false (with the reason in result) when it cannot.
bool Prepare(CBenchResult& result, CBenchHostWindow& host, const std::string& path, const bench::SBenchSize& size)
{
    if (!ToolIsBuilt()) {
        result.Fail("Vantrace.exe is not built");
        return false;
    }
    if (!host.IsReady() || !CListFixture::WriteFile(path, size.groups, size.chromatograms) || !SetMostRecent(path)) {
        result.Fail("cannot prepare the host, the list file or the registry");
        return false;
    }
    return true;
}
}   // namespace

CBenchResult bench::Startup()
{
    return MeasureStartup({1000, 20});
}

CBenchResult bench::Memory()
{
    return MeasureMemory({10000, 20});
}

CBenchResult bench::MeasureStartup(const SBenchSize& size)
{
    CBenchResult result("startup", "ms", 1.15);
    CBenchHostWindow host;
    const std::string path = CListFixture::TempPath("startup.vtl");
    if (!Prepare(result, host, path, size))
        return result;
    for (int run = -kWarmUps; run < size.runs; ++run) {
        if (size.baseline) {
            ChildProcess shell;
            const double shellMs = host.Start(shell, "bench_shell.exe", std::string(kCreatedEvent) + " \"" + path + "\"");
            shell.Kill();
            if (shellMs < 0) {
                result.Fail("the shell program did not set the event");
                break;
            }
            if (run >= 0)
                result.AddBaseline(shellMs);
        }
        ChildProcess tool;
        const double toolMs = host.Start(tool, "Vantrace.exe", "");
        tool.Kill();
        if (toolMs < 0) {
            result.Fail("Vantrace.exe did not set the event");
            break;
        }
        if (run >= 0)
            result.AddOurs(toolMs);
    }
    DeleteFileA(path.c_str());
    return result;
}

CBenchResult bench::MeasureMemory(const SBenchSize& size)
{
    CBenchResult result("memory", "MiB", 1.3);
    CBenchHostWindow host;
    const std::string path = CListFixture::TempPath("memory.vtl");
    if (!Prepare(result, host, path, size))
        return result;
    const double fileMiB = double(CListFixture::FileSize(path)) / (1024.0 * 1024.0);
    for (int run = -kWarmUps; run < size.runs; ++run) {
        ChildProcess bare, tool;
        CPeakPrivate barePeak(bare), toolPeak(tool);
        if (size.baseline) {
            if (host.Start(bare, "bench_bare.exe", kCreatedEvent, &barePeak) < 0) {
                result.Fail("the bare program did not set the event");
                break;
            }
            CBenchHostWindow::Pump(200, &barePeak);
        }
        if (host.Start(tool, "Vantrace.exe", "", &toolPeak) < 0) {
            result.Fail("Vantrace.exe did not set the event");
            break;
        }
        // Settled: every message the start posted has been handled.
        CBenchHostWindow::Pump(200, &toolPeak);
        WaitForInputIdle(tool.GetHandle(), 5000);
        CBenchHostWindow::Pump(200, &toolPeak);
        const double bareMiB = size.baseline ? barePeak.MiB() : 1;
        const double toolMiB = toolPeak.MiB();
        if (bareMiB <= 0 || toolMiB <= 0) {
            result.Fail("the programs' memory could not be read");
            break;
        }
        if (run < 0)
            continue;
        if (size.baseline)
            result.AddBaseline(bareMiB + fileMiB);
        result.AddOurs(toolMiB);
    }
    DeleteFileA(path.c_str());
    return result;
}

namespace {
// One start of a program with start-up marks: each mark's milliseconds since just before the
// process was created, then the moment the host saw the event; empty when it failed.
std::vector<std::pair<std::string, double>> MarkedStart(CBenchHostWindow& host, SStartupTimeline* timeline,
                                                        const char* exe, const std::string& arguments)
{
    ZeroMemory(timeline, sizeof *timeline);
    LARGE_INTEGER start, frequency;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    ChildProcess child;
    const double eventMs = host.Start(child, exe, arguments);
    child.Kill();
    std::vector<std::pair<std::string, double>> marks;
    if (eventMs < 0)
        return marks;
    const LONG marked = timeline->count;
    const LONG count = std::min<LONG>(marked, SStartupTimeline::kMarks);
    for (LONG i = 0; i < count; ++i)
        marks.emplace_back(timeline->marks[i].step,
                           double(timeline->marks[i].time - start.QuadPart) * 1000.0 / double(frequency.QuadPart));
    marks.emplace_back("host saw the event", eventMs);
    return marks;
}
}   // namespace

void bench::StartupSteps()
{
    CBenchResult result("startup steps", "ms", 1.3);
    CBenchHostWindow host;
    const std::string path = CListFixture::TempPath("steps.vtl");
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SStartupTimeline),
                                        SStartupTimeline::kName);
    auto* timeline =
        mapping ? static_cast<SStartupTimeline*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
    if (!timeline || !Prepare(result, host, path, SBenchSize{1000, 20})) {
        std::printf("startup steps: not measured (%s)\n", timeline ? "cannot prepare" : "no shared memory");
        return;
    }
    // Per program, per mark (in the order of the first run): the times of every counted run.
    std::vector<std::pair<std::string, std::vector<double>>> tool, shell;
    auto collect = [](std::vector<std::pair<std::string, std::vector<double>>>& table,
                      const std::vector<std::pair<std::string, double>>& marks) {
        if (table.empty())
            for (const auto& mark : marks)
                table.emplace_back(mark.first, std::vector<double>());
        for (size_t i = 0; i < marks.size() && i < table.size(); ++i)
            table[i].second.push_back(marks[i].second);
    };
    for (int run = -kWarmUps; run < kRuns; ++run) {
        const auto shellMarks =
            MarkedStart(host, timeline, "bench_shell_marks.exe", std::string(kCreatedEvent) + " \"" + path + "\"");
        const auto toolMarks = MarkedStart(host, timeline, "VantraceMarks.exe", kCreatedEvent);
        if (shellMarks.empty() || toolMarks.empty()) {
            std::printf("startup steps: not measured (a program did not set the event)\n");
            return;
        }
        if (run >= 0) {
            collect(shell, shellMarks);
            collect(tool, toolMarks);
        }
    }
    auto print = [](const char* title, const std::vector<std::pair<std::string, std::vector<double>>>& table) {
        std::printf("%s: median ms since the process was created, and the step's own share\n", title);
        double before = 0;
        for (const auto& [step, times] : table) {
            const double at = CBenchResult::Median(times);
            std::printf("  %-44s %8.1f %+8.1f\n", step.c_str(), at, at - before);
            before = at;
        }
    };
    print("shell program (the tool's windows, the list file read raw and counted)", shell);
    print("Vantrace with start-up marks (1,000 x 20 list; the hook that marks windows costs a little)", tool);
    UnmapViewOfFile(timeline);
    CloseHandle(mapping);
    DeleteFileA(path.c_str());
}
