#include "CWinApp.h"

#include "CFrameWnd.h"
#include "FrameworkIds.h"

#include <cstring>
#include <vector>

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    return GetModuleHandleA(nullptr);
}

std::string LoadResourceString(UINT id)
{
    // String tables hold UTF-16; with no buffer LoadStringW gives the text in place.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0 || !text)
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), size, nullptr, nullptr);
    return result;
}

const MessageMap* CWinApp::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Command<&CWinApp::OnAppExit>(ID_APP_EXIT),
    };
    static const MessageMap map = MakeMessageMap(&CCmdTarget::GetThisMessageMap, entries);
    return &map;
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

CWinApp::CWinApp(const char* appName) : m_hInstance(GetModuleHandleA(nullptr)), m_pPreviousApp(g_pApp)
{
    g_pApp = this;
    if (appName)
        m_strAppName = appName;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = m_pPreviousApp;
}

BOOL CWinApp::InitInstance()
{
    if (m_strAppName.empty())
        m_strAppName = LoadResourceString(AFX_IDS_APP_TITLE);
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    // Offer the message to its window and each parent up to the main window.
    for (HWND hwnd = pMsg->hwnd; hwnd; hwnd = GetParent(hwnd)) {
        CWnd* wnd = CWnd::FromHandle(hwnd);
        if (wnd && wnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (m_pMainWnd && hwnd == m_pMainWnd->m_hWnd)
            return FALSE;
    }
    // Messages of windows outside the main window (its popups) still see its accelerators.
    return m_pMainWnd && m_pMainWnd->m_hWnd && GetAncestor(pMsg->hwnd, GA_ROOTOWNER) == m_pMainWnd->m_hWnd
           && m_pMainWnd->PreTranslateMessage(pMsg);
}

BOOL CWinApp::PumpMessage()
{
    if (!GetMessageA(&m_msgCur, nullptr, 0, 0)) {
        m_nExitCode = static_cast<int>(m_msgCur.wParam);
        return FALSE;
    }
    MSG msg = m_msgCur;   // a handler that pumps messages itself overwrites m_msgCur
    if (!PreTranslateMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return TRUE;
}

// Mouse moves, timers and paints alone do not restart idle processing.
BOOL CWinApp::IsIdleMessage(const MSG* msg) const
{
    return msg->message != WM_MOUSEMOVE && msg->message != WM_TIMER && msg->message != WM_PAINT;
}

BOOL CWinApp::OnIdle(LONG count)
{
    if (count == 0) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd); frame && frame->m_hWnd)
            frame->OnIdleUpdateCmdUI();
    }
    return FALSE;
}

int CWinApp::Run()
{
    LONG idleCount = 0;
    bool idle = true;
    for (;;) {
        MSG msg;
        while (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                idle = true;
                idleCount = 0;
            }
        } while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    if (!app->InitInstance()) {
        if (CWnd* main = app->m_pMainWnd; main && main->m_hWnd)
            main->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}

void CWinApp::SetRegistryKey(const char* company)
{
    m_strRegistryKey = company ? company : "";
    if (m_strAppName.empty())
        m_strAppName = LoadResourceString(AFX_IDS_APP_TITLE);
}

HKEY CWinApp::OpenSectionKey(const char* section, bool create) const
{
    if (m_strRegistryKey.empty() || m_strAppName.empty())
        return nullptr;
    const std::string path = "Software\\" + m_strRegistryKey + "\\" + m_strAppName + "\\" + section;
    HKEY key = nullptr;
    LONG status = create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE,
                                           nullptr, &key, nullptr)
                         : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
    return status == ERROR_SUCCESS ? key : nullptr;
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const
{
    HKEY key = OpenSectionKey(section, false);
    if (!key)
        return static_cast<UINT>(defaultValue);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG status = RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value)
        return static_cast<UINT>(defaultValue);
    return value;
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const
{
    HKEY key = OpenSectionKey(section, true);
    if (!key)
        return FALSE;
    const DWORD data = static_cast<DWORD>(value);
    const LONG status = RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

std::string CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue) const
{
    const std::string fallback = defaultValue ? defaultValue : "";
    HKEY key = OpenSectionKey(section, false);
    if (!key)
        return fallback;
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, entry, nullptr, &type, nullptr, &size);
    std::string value;
    if (status == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<char> buffer(size + 1, '\0');
        status = RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_SUCCESS && type == REG_SZ)
            value.assign(buffer.data());   // stops at the first NUL
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return fallback;
    return value;
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) const
{
    HKEY key = OpenSectionKey(section, true);
    if (!key)
        return FALSE;
    LONG status;
    if (value) {
        status = RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                static_cast<DWORD>(strlen(value) + 1));
    } else {
        status = RegDeleteValueA(key, entry);   // a null value removes the entry
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}
