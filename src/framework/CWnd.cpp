#include "CWnd.h"

#include "CCmdUI.h"
#include "CHandleMap.h"

#include <commctrl.h>

#include <exception>

namespace {
const char kPlainClass[] = "VtWnd";

// The object that CreateEx is creating a system-class control for; the creation hook
// attaches it to the first window created on this thread.
thread_local CWnd* t_pCreating = nullptr;
thread_local HHOOK t_hCreationHook = nullptr;

void ReportException(const char* what)
{
    OutputDebugStringA("Vantrace: exception in a window procedure: ");
    OutputDebugStringA(what);
    OutputDebugStringA("\n");
}
}   // namespace

const MessageMap* CWnd::GetThisMessageMap()
{
    static const MessageMap map{&CCmdTarget::GetThisMessageMap, nullptr, 0};
    return &map;
}

CWnd::~CWnd()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    return hwnd ? CHandleMap::Find(hwnd) : nullptr;
}

bool CWnd::RegisterWindowClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, name, &existing))
        return true;
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = &CWnd::StaticWndProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass) {
        RegisterWindowClass(kPlainClass, CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW),
                            reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
        cs.lpszClass = kPlainClass;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                    HWND parent, UINT_PTR idOrMenu)
{
    CREATESTRUCTA cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = style;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent;
    cs.hMenu = reinterpret_cast<HMENU>(idOrMenu);
    return CreateFromStruct(cs);
}

// A failed creation runs PostNcDestroy once, whether or not the window came to exist, so a
// self-deleting object is gone either way and the caller must not touch it again.
BOOL CWnd::CreateFromStruct(CREATESTRUCTA& cs)
{
    cs.hInstance = GetModuleHandleA(nullptr);
    cs.lpCreateParams = this;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    WNDCLASSA info{};
    const bool ownClass = GetClassInfoA(cs.hInstance, cs.lpszClass, &info) && info.lpfnWndProc == &CWnd::StaticWndProc;
    if (!ownClass) {
        // A system control: subclass it from the creation hook so that WM_NCCREATE and
        // WM_CREATE already reach this object.
        t_pCreating = this;
        t_hCreationHook = SetWindowsHookExA(WH_CBT, &CWnd::CreationHook, nullptr, GetCurrentThreadId());
    }
    ++m_nBusy;   // a window that fails in WM_CREATE is destroyed inside CreateWindowEx
    HWND hwnd = CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (t_hCreationHook) {
        UnhookWindowsHookEx(t_hCreationHook);
        t_hCreationHook = nullptr;
    }
    t_pCreating = nullptr;
    const BOOL created = hwnd != nullptr && m_hWnd == hwnd;
    if (!hwnd)
        m_bNcDestroyPending = true;
    LeaveBusy();
    return created;
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, className, windowName, style, rect, parent ? parent->m_hWnd : nullptr, id);
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pCreating) {
        CWnd* self = t_pCreating;
        t_pCreating = nullptr;
        self->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The control's own procedure stays in m_pfnSuper for Default(). Messages keep the
// character set of the control's class: a Unicode control is subclassed through the W call.
BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!hwnd || m_hWnd)
        return FALSE;
    CHandleMap::Add(hwnd, this);
    m_bUnicodeSuper = ::IsWindowUnicode(hwnd) != FALSE;
    const auto proc = reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc);
    const LONG_PTR super =
        m_bUnicodeSuper ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, proc) : SetWindowLongPtrA(hwnd, GWLP_WNDPROC, proc);
    if (!super) {
        CHandleMap::Remove(hwnd);
        return FALSE;
    }
    m_pfnSuper = reinterpret_cast<WNDPROC>(super);
    m_hWnd = hwnd;
    m_attachment = Attachment::Subclassed;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

// Puts the control's own procedure back, unless another procedure was chained on top of
// ours since; it is read and written with the same character set it was replaced with.
void CWnd::RestoreSuperProc()
{
    const auto ours = reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc);
    const auto super = reinterpret_cast<LONG_PTR>(m_pfnSuper);
    if (m_bUnicodeSuper) {
        if (GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == ours)
            SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, super);
    } else if (GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == ours) {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, super);
    }
    m_pfnSuper = nullptr;
}

void CWnd::Detach()
{
    switch (m_attachment) {
    case Attachment::OwnClass:
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        break;
    case Attachment::Subclassed:
        RestoreSuperProc();
        break;
    case Attachment::Dialog:
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        break;
    case Attachment::None:
        break;
    }
    if (m_attachment != Attachment::None)
        CHandleMap::Remove(m_hWnd);
    m_hWnd = nullptr;
    m_attachment = Attachment::None;
}

// Runs one message through the object, keeping it for Default(). The window's last message
// detaches the object; PostNcDestroy (which may delete it) waits until the outermost
// dispatch or creation of this object returns, so nothing writes into a freed object.
// No C++ exception leaves here into Windows' dispatch.
LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool* wentToDefault)
{
    MSG current{m_hWnd, message, wParam, lParam, 0, {}};
    const MSG* outer = m_pCurrentMsg;
    const bool outerDefault = m_bDialogDefault;
    m_pCurrentMsg = &current;
    m_bDialogDefault = false;
    ++m_nBusy;
    LRESULT result = 0;
    try {
        result = WindowProc(message, wParam, lParam);
    } catch (const std::exception& e) {
        ReportException(e.what());
    } catch (...) {
        ReportException("unknown exception");
    }
    if (wentToDefault)
        *wentToDefault = m_bDialogDefault;
    m_pCurrentMsg = outer;
    m_bDialogDefault = outerDefault;
    if (message == WM_NCDESTROY) {
        Detach();
        m_bNcDestroyPending = true;
    }
    LeaveBusy();   // the object may be gone from here on
    return result;
}

void CWnd::LeaveBusy()
{
    if (--m_nBusy == 0 && m_bNcDestroyPending) {
        m_bNcDestroyPending = false;
        PostNcDestroy();
    }
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            CHandleMap::Add(hwnd, self);
            self->m_hWnd = hwnd;
            self->m_attachment = Attachment::OwnClass;
        }
    }
    auto* self = reinterpret_cast<CWnd*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    return self->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* self = CHandleMap::Find(hwnd);
    if (!self)   // cannot happen while the procedure is installed; the object restores it
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    return self->Dispatch(message, wParam, lParam);
}

INT_PTR CALLBACK CWnd::StaticDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CWnd*>(lParam);
        if (self) {
            SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
            CHandleMap::Add(hwnd, self);
            self->m_hWnd = hwnd;
            self->m_attachment = Attachment::Dialog;
        }
    }
    auto* self = reinterpret_cast<CWnd*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    bool wentToDefault = false;
    const LRESULT result = self->Dispatch(message, wParam, lParam, &wentToDefault);   // self may be gone now
    switch (message) {
    // The dialog manager takes these results from the procedure's return value.
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return static_cast<INT_PTR>(result);
    default:
        break;
    }
    if (wentToDefault)
        return FALSE;
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && OnCommand(wParam, lParam, pResult))
        return true;
    if (message == WM_NOTIFY && OnNotify(wParam, lParam, pResult))
        return true;
    const MsgEntry* entry = FindEntry([message](const MsgEntry& e) {
        return (e.kind == EntryKind::Message && e.message == message)
               || (e.kind == EntryKind::Registered && *e.registered == message && message != 0);
    });
    if (!entry)
        return false;
    *pResult = entry->thunk(this, wParam, lParam);
    return true;
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const UINT id = LOWORD(wParam);
    int code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control) {
        CWnd* child = FromHandle(control);
        if (child && child != this && child->OnChildNotify(WM_COMMAND, wParam, lParam, pResult))
            return true;
    } else {
        // Menu (code 0) or accelerator (code 1): a disabled command does nothing.
        CCmdUI state;
        state.m_nID = id;
        state.DoUpdate(this, false);
        if (!state.m_bEnabled)
            return true;
        code = CN_COMMAND;
    }
    *pResult = 0;
    return OnCmdMsg(id, code);
}

bool CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return false;
    CWnd* child = FromHandle(header->hwndFrom);
    if (child && child != this && child->OnChildNotify(WM_NOTIFY, 0, lParam, pResult))
        return true;
    const MsgEntry* entry = FindEntry([header](const MsgEntry& e) {
        return e.kind == EntryKind::Notify && e.message == header->code && header->idFrom >= e.idFirst
               && header->idFrom <= e.idLast;
    });
    if (!entry)
        return false;
    *pResult = entry->thunk(this, 0, lParam);
    return true;
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const MsgEntry* entry = nullptr;
    if (message == WM_NOTIFY) {
        const UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        entry =
            FindEntry([code](const MsgEntry& e) { return e.kind == EntryKind::ReflectNotify && e.message == code; });
    } else if (message == WM_COMMAND) {
        const UINT code = HIWORD(wParam);
        entry =
            FindEntry([code](const MsgEntry& e) { return e.kind == EntryKind::ReflectCommand && e.message == code; });
    }
    if (!entry)
        return false;
    *pResult = entry->thunk(this, 0, lParam);
    return true;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::Default()
{
    if (!m_pCurrentMsg)
        return 0;
    return DefWindowProc(m_pCurrentMsg->message, m_pCurrentMsg->wParam, m_pCurrentMsg->lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (m_attachment) {
    case Attachment::Subclassed:
        return m_bUnicodeSuper ? CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam)
                               : CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    case Attachment::Dialog:
        m_bDialogDefault = true;
        return 0;
    case Attachment::OwnClass:
    case Attachment::None:
        break;
    }
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CWnd::MoveWindow(const RECT& rc, BOOL repaint)
{
    ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, repaint);
}

std::string CWnd::GetWindowText() const
{
    const int length = GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}
