#include "TestHostWindow.h"

#include <cstring>

namespace {
const char kClassName[] = "ChroWClass";

void RegisterOnce(WNDPROC proc)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    registered = RegisterClassA(&wc) != 0;
}
}   // namespace

TestHostWindow::TestHostWindow(HWND parent)
{
    RegisterOnce(WindowProc);
    DWORD style = parent ? WS_CHILD : WS_OVERLAPPEDWINDOW;
    m_hWnd = CreateWindowExA(0, kClassName, "Test host", style, 0, 0, 200, 100, parent, nullptr,
                             GetModuleHandleA(nullptr), this);
}

TestHostWindow::~TestHostWindow()
{
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}

std::vector<std::string> TestHostWindow::Texts() const
{
    std::vector<std::string> texts;
    for (const Received& received : m_received)
        texts.push_back(received.text);
    return texts;
}

LRESULT CALLBACK TestHostWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestHostWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && message == WM_COPYDATA) {
        const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        Received received;
        received.wParam = wParam;
        received.tag = cds->dwData;
        received.size = cds->cbData;
        const char* data = static_cast<const char*>(cds->lpData);
        if (data && cds->cbData) {
            received.text.assign(data, strnlen(data, cds->cbData));
            received.terminated = data[cds->cbData - 1] == '\0';
        }
        self->m_received.push_back(received);
        return self->m_answer;
    }
    if (self && message == WM_NCDESTROY)
        self->m_hWnd = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
