#include "DialogAnswerer.h"

#include <algorithm>

namespace ui {
namespace {
// The visible top-level dialog windows of a process, with their captions.
struct DialogList {
    DWORD processId;
    std::vector<std::pair<HWND, std::string>> dialogs;
};

BOOL CALLBACK CollectDialog(HWND hwnd, LPARAM lParam)
{
    auto* list = reinterpret_cast<DialogList*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != list->processId || !IsWindowVisible(hwnd))
        return TRUE;
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) != "#32770")
        return TRUE;
    // InternalGetWindowText sends no message: the window's thread may be the test thread,
    // waiting for this one.
    wchar_t wide[512] = {};
    InternalGetWindowText(hwnd, wide, 512);
    char caption[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, caption, sizeof caption, nullptr, nullptr);
    list->dialogs.emplace_back(hwnd, caption);
    return TRUE;
}

DialogList Dialogs(DWORD processId)
{
    DialogList list{processId, {}};
    EnumWindows(&CollectDialog, reinterpret_cast<LPARAM>(&list));
    return list;
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
    } icons[] = {{IDI_HAND, MB_ICONHAND},
                 {IDI_QUESTION, MB_ICONQUESTION},
                 {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                 {IDI_ASTERISK, MB_ICONASTERISK}};
    for (const auto& icon : icons) {
        if (LoadIconA(nullptr, icon.id) == shown)
            return icon.style;
    }
    return 0;
}
}   // namespace

HWND FindDialog(const std::string& caption, DWORD processId)
{
    for (const auto& [dialog, shown] : Dialogs(processId).dialogs) {
        if (shown == caption)
            return dialog;
    }
    return nullptr;
}

int CloseDialogs(DWORD processId)
{
    const DialogList list = Dialogs(processId);
    for (const auto& [dialog, caption] : list.dialogs) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }
    return static_cast<int>(list.dialogs.size());
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

DialogAnswerer::Action TypeFileName(const std::string& path)
{
    return [path](HWND dialog) {
        HWND edit = nullptr;
        EnumChildWindows(
            dialog,
            [](HWND child, LPARAM found) -> BOOL {
                char cls[32] = {};
                GetClassNameA(child, cls, sizeof cls);
                if (_stricmp(cls, "Edit") != 0 || GetDlgCtrlID(child) != 0x47C)
                    return TRUE;
                *reinterpret_cast<HWND*>(found) = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&edit));
        SetWindowTextA(edit, path.c_str());
    };
}

DialogAnswerer::~DialogAnswerer()
{
    Finish();
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

void DialogAnswerer::AnswerAll()
{
    m_stop = false;
    m_thread = std::thread([this] { RunAll(); });
}

std::vector<SeenDialog> DialogAnswerer::Finish()
{
    m_stop = true;   // ends AnswerAll; a queue of expectations runs to its end
    if (m_thread.joinable())
        m_thread.join();
    return Seen();
}

std::vector<SeenDialog> DialogAnswerer::Seen()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_seen;
}

void DialogAnswerer::Run(DWORD timeoutMs)
{
    for (const Expectation& expected : m_expected) {
        const DWORD start = GetTickCount();
        HWND dialog = nullptr;
        while (!(dialog = FindDialog(expected.caption, m_processId))) {
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
        while (IsWindow(dialog) && IsWindowVisible(dialog) && IsWindowEnabled(dialog)
               && GetTickCount() - pressed < 2000)
            Sleep(10);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_seen.push_back(std::move(seen));
    }
}

void DialogAnswerer::RunAll()
{
    std::vector<HWND> answered;
    while (!m_stop) {
        for (const auto& [dialog, caption] : Dialogs(m_processId).dialogs) {
            const int button = GetDlgItem(dialog, IDOK) ? IDOK : GetDlgItem(dialog, IDNO) ? IDNO : IDCANCEL;
            if (std::find(answered.begin(), answered.end(), dialog) == answered.end()) {
                answered.push_back(dialog);
                SeenDialog seen{caption, StaticTexts(dialog), IconStyleOf(dialog)};
                std::lock_guard<std::mutex> lock(m_mutex);
                m_seen.push_back(std::move(seen));
            }
            PressButton(dialog, button);
        }
        Sleep(100);
    }
}
}   // namespace ui
