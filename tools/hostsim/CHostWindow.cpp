#include "CHostWindow.h"

#include "CCommandLog.h"
#include "CToolLink.h"

#include <cstring>

namespace {
const ULONG_PTR kCommandTag = 0x56540001;
const char kClassName[] = "ChroWClass";

enum ControlId { IdShow = 101, IdHide, IdLaunch, IdClose, IdRefuse, IdHang, IdClear, IdReceived };
const int kMargin = 10;
const int kButtonHeight = 26;

// A size in pixels at 96 DPI, at the screen's DPI: the window's fonts grow with it.
int Scaled(int pixels)
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return MulDiv(pixels, dpi > 0 ? dpi : 96, 96);
}

struct SButton {
    int id;
    const char* text;
    DWORD style;
};
const SButton kButtons[] = {
    {IdShow, "Show", BS_PUSHBUTTON},   {IdHide, "Hide", BS_PUSHBUTTON},       {IdLaunch, "Launch", BS_PUSHBUTTON},
    {IdClose, "Close", BS_PUSHBUTTON}, {IdRefuse, "Refuse", BS_AUTOCHECKBOX}, {IdHang, "Hang", BS_AUTOCHECKBOX},
    {IdClear, "Clear", BS_PUSHBUTTON},
};
}   // namespace

CHostWindow::CHostWindow(CCommandLog& log, CToolLink& tool, DWORD closeTimeoutMs)
    : m_log(log), m_tool(tool), m_dwCloseTimeoutMs(closeTimeoutMs)
{
}

bool CHostWindow::Create()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc))
        return false;
    m_hWnd = CreateWindowExA(0, kClassName, "Host simulator", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                             Scaled(660), Scaled(300), nullptr, nullptr, wc.hInstance, this);
    if (!m_hWnd)
        return false;
    ShowWindow(m_hWnd, SW_SHOWNORMAL);
    return true;
}

void CHostWindow::SetRefuse(bool refuse)
{
    m_bRefuse = refuse;
    CheckDlgButton(m_hWnd, IdRefuse, refuse ? BST_CHECKED : BST_UNCHECKED);
}

void CHostWindow::SetHang(bool hang, DWORD hangMs)
{
    m_bHang = hang;
    m_dwHangMs = hangMs;
    CheckDlgButton(m_hWnd, IdHang, hang ? BST_CHECKED : BST_UNCHECKED);
}

bool CHostWindow::CloseTool()
{
    bool ended = true;
    if (m_tool.Send(CToolLink::Close) || m_tool.HasProcess())
        ended = m_tool.WaitEnded(m_dwCloseTimeoutMs);
    if (m_hWnd)
        DestroyWindow(m_hWnd);
    return ended;
}

LRESULT CALLBACK CHostWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<CHostWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        self->m_hWnd = hwnd;
        self->OnCreate();
        return 0;
    case WM_COPYDATA:
        return self->OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_SIZE:
        self->OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            self->OnButton(LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        self->m_hWnd = nullptr;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void CHostWindow::OnCreate()
{
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    int x = Scaled(kMargin);
    for (const SButton& button : kButtons) {
        HWND control = CreateWindowExA(0, "BUTTON", button.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | button.style, x,
                                       Scaled(kMargin), Scaled(80), Scaled(kButtonHeight), m_hWnd,
                                       reinterpret_cast<HMENU>(INT_PTR(button.id)), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        x += Scaled(88);
    }
    m_received.Create(m_hWnd, IdReceived);
}

// The buttons stay in their row; the list of received commands takes the rest.
void CHostWindow::OnSize(int width, int height)
{
    const int margin = Scaled(kMargin);
    const int top = margin + Scaled(kButtonHeight) + margin;
    RECT rect{margin, top, width - margin, height - margin};
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    m_received.Move(rect);
}

// Called for every WM_COPYDATA: logs display commands, then answers as told.
LRESULT CHostWindow::OnCopyData(const COPYDATASTRUCT* data)
{
    if (!data || data->dwData != kCommandTag)
        return 0;
    const char* text = static_cast<const char*>(data->lpData);
    size_t length = text ? strnlen(text, data->cbData) : 0;
    const std::string line = m_log.Write(text ? text : "", length);
    const auto outcome = m_bHang ? CReceivedList::Hung : m_bRefuse ? CReceivedList::Refused : CReceivedList::Accepted;
    m_received.Add(line, outcome);
    if (m_bHang)
        Sleep(m_dwHangMs);   // neither answers nor dispatches anything meanwhile
    return m_bRefuse ? 0 : 1;
}

void CHostWindow::OnButton(int id)
{
    switch (id) {
    case IdShow:
        m_tool.Send(CToolLink::Show);
        break;
    case IdHide:
        m_tool.Send(CToolLink::Hide);
        break;
    case IdLaunch:
        m_tool.Send(CToolLink::Launch);
        break;
    case IdClose:
        CloseTool();
        break;
    case IdRefuse:
        m_bRefuse = IsDlgButtonChecked(m_hWnd, IdRefuse) == BST_CHECKED;
        break;
    case IdHang:
        m_bHang = IsDlgButtonChecked(m_hWnd, IdHang) == BST_CHECKED;
        break;
    case IdClear:
        m_received.Clear();
        break;
    }
}
