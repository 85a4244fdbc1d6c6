// Start-up and memory of Vantrace.exe started by a host, with a most-recent list file,
// against a bare program that creates one window and sets the same event.
#include "Benchmarks.h"
#include "CChildProcess.h"
#include "CListFixture.h"
#include "CStopwatch.h"

#include <windows.h>

#include <string>

namespace {
const char kCreatedEvent[] = "VANTRACE_CREATE";
const char kRecentKey[] = "Software\\Fenwright\\Vantrace\\Vantrace\\Recent files";

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
    // milliseconds that took, or a negative value when it did not. With sampling, the
    // program's private bytes are read every few milliseconds meanwhile.
    double Start(CChildProcess& child, const char* exe, const std::string& arguments, bool sampling = false)
    {
        ResetEvent(m_hCreated);
        CStopwatch clock;
        if (!child.Start(exe, arguments))
            return -1;
        const DWORD wait = sampling ? kSampleMs : 30000;
        while (clock.ElapsedMs() < 30000) {
            const DWORD woken = MsgWaitForMultipleObjects(1, &m_hCreated, FALSE, wait, QS_ALLINPUT);
            if (woken == WAIT_OBJECT_0)
                return clock.ElapsedMs();
            if (sampling)
                child.SamplePrivate();
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
    static void Pump(DWORD ms, CChildProcess* sampled = nullptr)
    {
        CStopwatch clock;
        while (clock.ElapsedMs() < ms) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kSampleMs, QS_ALLINPUT);
            if (sampled)
                sampled->SamplePrivate();
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
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kRecentKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr))
        return false;
    const bool ok = !RegSetValueExA(key, "file1", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                                    static_cast<DWORD>(path.size() + 1));
    RegCloseKey(key);
    return ok;
}

bool ToolIsBuilt()
{
    return GetFileAttributesA(CChildProcess::BesideMe("Vantrace.exe").c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Prepares the list file and the host; false (with the reason in result) when it cannot.
bool Prepare(CBenchResult& result, CBenchHostWindow& host, const std::string& path, int groups)
{
    if (!ToolIsBuilt()) {
        result.Fail("Vantrace.exe is not built");
        return false;
    }
    if (!host.IsReady() || !CListFixture::WriteFile(path, groups, 20) || !SetMostRecent(path)) {
        result.Fail("cannot prepare the host, the list file or the registry");
        return false;
    }
    return true;
}
}  // namespace

CBenchResult bench::Startup()
{
    CBenchResult result("startup", "ms", 1.3);
    CBenchHostWindow host;
    const std::string path = CListFixture::TempPath("startup.vtl");
    if (!Prepare(result, host, path, 1000))
        return result;
    for (int run = 0; run < kRuns; ++run) {
        CChildProcess bare, tool;
        const double bareMs = host.Start(bare, "bench_bare.exe", kCreatedEvent);
        bare.Stop();
        const double toolMs = host.Start(tool, "Vantrace.exe", "");
        tool.Stop();
        if (bareMs < 0 || toolMs < 0) {
            result.Fail(bareMs < 0 ? "the bare program did not set the event" : "Vantrace.exe did not set the event");
            break;
        }
        result.AddBaseline(bareMs);
        result.AddOurs(toolMs);
    }
    DeleteFileA(path.c_str());
    return result;
}

CBenchResult bench::Memory()
{
    CBenchResult result("memory", "MiB", 2.5);
    CBenchHostWindow host;
    const std::string path = CListFixture::TempPath("memory.vtl");
    if (!Prepare(result, host, path, 10000))
        return result;
    const double fileMiB = double(CListFixture::FileSize(path)) / (1024.0 * 1024.0);
    for (int run = 0; run < kRuns; ++run) {
        CChildProcess bare, tool;
        if (host.Start(bare, "bench_bare.exe", kCreatedEvent, true) < 0) {
            result.Fail("the bare program did not set the event");
            break;
        }
        CBenchHostWindow::Pump(200, &bare);
        if (host.Start(tool, "Vantrace.exe", "", true) < 0) {
            result.Fail("Vantrace.exe did not set the event");
            break;
        }
        // Settled: every message the start posted has been handled.
        CBenchHostWindow::Pump(200, &tool);
        WaitForInputIdle(tool.Handle(), 5000);
        CBenchHostWindow::Pump(200, &tool);
        const double bareMiB = bare.PeakPrivateMiB();
        const double toolMiB = tool.PeakPrivateMiB();
        if (bareMiB <= 0 || toolMiB <= 0) {
            result.Fail("the programs' memory could not be read");
            break;
        }
        result.AddBaseline(bareMiB + fileMiB);
        result.AddOurs(toolMiB);
    }
    DeleteFileA(path.c_str());
    return result;
}
