#include "DialogAnswerer.h"

namespace ui {
namespace {
struct FindState {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lParam)
{
    auto* state = reinterpret_cast<FindState*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != GetCurrentProcessId() || !IsWindowVisible(hwnd))
        return TRUE;
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    // InternalGetWindowText sends no message: the window's thread may be the test thread,
    // waiting for this one.
    wchar_t wide[512] = {};
    InternalGetWindowText(hwnd, wide, 512);
    char caption[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, caption, sizeof caption, nullptr, nullptr);
    if (std::string(cls) == "#32770" && *state->caption == caption) {
        state->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectText(HWND child, LPARAM lParam)
{
    auto* text = reinterpret_cast<std::string*>(lParam);
    char cls[64] = {};
    GetClassNameA(child, cls, sizeof cls);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (_stricmp(cls, "Static") != 0 || (style & SS_TYPEMASK) == SS_ICON)
        return TRUE;
    char buffer[4096] = {};
    GetWindowTextA(child, buffer, sizeof buffer);
    if (*buffer) {
        if (!text->empty())
            *text += "\n";
        *text += buffer;
    }
    return TRUE;
}

// Tells a message box's icon by the system icon its icon control shows.
UINT IconStyleOf(HWND dialog)
{
    HWND iconControl = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM lParam) -> BOOL {
            if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                *reinterpret_cast<HWND*>(lParam) = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&iconControl));
    if (!iconControl || !IsWindowVisible(iconControl))
        return 0;
    const auto shown = reinterpret_cast<HICON>(SendMessageA(iconControl, STM_GETICON, 0, 0));
    if (!shown)
        return 0;
    const struct {
        LPCSTR id;
        UINT style;
    } icons[] = {{IDI_HAND, MB_ICONHAND}, {IDI_QUESTION, MB_ICONQUESTION},
                 {IDI_EXCLAMATION, MB_ICONEXCLAMATION}, {IDI_ASTERISK, MB_ICONASTERISK}};
    for (const auto& icon : icons) {
        if (LoadIconA(nullptr, icon.id) == shown)
            return icon.style;
    }
    return 0;
}
}  // namespace

HWND FindDialog(const std::string& caption)
{
    FindState state{&caption, nullptr};
    EnumWindows(&FindProc, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

std::string StaticTexts(HWND dialog)
{
    std::string text;
    EnumChildWindows(dialog, &CollectText, reinterpret_cast<LPARAM>(&text));
    return text;
}

void PressButton(HWND dialog, int buttonId)
{
    HWND button = GetDlgItem(dialog, buttonId);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

DialogAnswerer::~DialogAnswerer()
{
    if (m_thread.joinable())
        m_thread.join();
}

DialogAnswerer& DialogAnswerer::Expect(const std::string& caption, int buttonId, Action action)
{
    m_expected.push_back({caption, buttonId, std::move(action)});
    return *this;
}

void DialogAnswerer::Start(DWORD timeoutMs)
{
    m_thread = std::thread([this, timeoutMs] { Run(timeoutMs); });
}

std::vector<SeenDialog> DialogAnswerer::Finish()
{
    if (m_thread.joinable())
        m_thread.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_seen;
}

void DialogAnswerer::Run(DWORD timeoutMs)
{
    for (const Expectation& expected : m_expected) {
        const DWORD start = GetTickCount();
        HWND dialog = nullptr;
        while (!(dialog = FindDialog(expected.caption))) {
            if (GetTickCount() - start > timeoutMs)
                return;
            Sleep(20);
        }
        SeenDialog seen{expected.caption, StaticTexts(dialog), IconStyleOf(dialog)};
        if (expected.action)
            expected.action(dialog);
        if (expected.buttonId)
            PressButton(dialog, expected.buttonId);
        // Wait until the window has gone, or stays disabled under a box of its own, so the
        // next expectation finds the next window.
        const DWORD pressed = GetTickCount();
        while (IsWindow(dialog) && IsWindowVisible(dialog) && IsWindowEnabled(dialog) &&
               GetTickCount() - pressed < 2000)
            Sleep(10);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_seen.push_back(std::move(seen));
    }
}
}  // namespace ui
