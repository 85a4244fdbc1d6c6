#include "CWorkspaceBench.h"

#include "CListFixture.h"
#include "CPreviewPresser.h"
#include "CStopwatch.h"
#include "FrameworkIds.h"

#include <commctrl.h>

#include <cstring>

HWND CWorkspaceBench::CreateParentWindow()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantraceBenchParent";
    RegisterClassA(&wc);   // fails harmlessly when an earlier bench registered it
    return CreateWindowExA(0, wc.lpszClassName, "Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900, 600, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

CWorkspaceBench::CWorkspaceBench() : m_recent(0, "Bench recent files", "file%d", 4, 40)
{
    m_hParent = CreateParentWindow();
    m_workspace = std::make_unique<CWorkspaceView>();
    m_workspace->SetStores(&m_options, &m_recent);
    m_workspace->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 900, 600}, m_hParent, 0xE900);
    m_path = CListFixture::TempPath("workspace.vtl");
}

CWorkspaceBench::~CWorkspaceBench()
{
    m_workspace.reset();
    if (m_hParent)
        DestroyWindow(m_hParent);
    DeleteFileA(m_path.c_str());
}

bool CWorkspaceBench::Load(int groups, int chromatograms)
{
    if (!m_workspace->m_hWnd || !CListFixture::WriteFile(m_path, groups, chromatograms))
        return false;
    m_recent.Add(m_path.c_str());
    m_workspace->LoadLastFile();
    Pump();
    return Rows(GroupList()) == groups;
}

HWND CWorkspaceBench::GroupList() const
{
    return FindWindowExA(m_workspace->m_hWnd, nullptr, WC_LISTVIEWA, nullptr);
}

HWND CWorkspaceBench::ChroList() const
{
    return FindWindowExA(m_workspace->m_hWnd, GroupList(), WC_LISTVIEWA, nullptr);
}

int CWorkspaceBench::Rows(HWND list) const
{
    return list ? ListView_GetItemCount(list) : -1;
}

void CWorkspaceBench::Select(HWND list, int row)
{
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Pump();
}

double CWorkspaceBench::Command(UINT id)
{
    CStopwatch clock;
    SendMessageA(m_workspace->m_hWnd, WM_COMMAND, id, 0);
    return clock.ElapsedMs();
}

bool CWorkspaceBench::Paste(const std::string& text, int button, double& shownMs, double& afterMs)
{
    const std::wstring wide(text.begin(), text.end());
    if (!OpenClipboard(nullptr) || !EmptyClipboard())
        return false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    CStopwatch clock;
    CPreviewPresser presser(clock, button);
    SendMessageA(m_workspace->m_hWnd, WM_COMMAND, ID_EDIT_PASTE, 0);
    const double doneMs = clock.ElapsedMs();
    shownMs = presser.m_shownMs;
    afterMs = doneMs - presser.m_okMs;
    return shownMs > 0;
}

void CWorkspaceBench::Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

std::string CWorkspaceBench::MassList(int lines)
{
    std::string text;
    for (int line = 0; line < lines; ++line)
        text += std::to_string(100 + line % 900) + "." + std::to_string(line % 10) + "\r\n";
    return text;
}
