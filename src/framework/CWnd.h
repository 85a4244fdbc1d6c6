#pragma once

#include "CCmdTarget.h"

#include <string>

// A window and the C++ object attached to it. Windows of the framework's own classes are
// attached on WM_NCCREATE (GWLP_USERDATA), dialogs on WM_INITDIALOG (DWLP_USER), and
// controls of system classes by replacing their window procedure; CHandleMap finds the
// object of any of them from its handle. Every message then goes
// through WindowProc and the handler tables; WM_NOTIFY and control WM_COMMAND
// notifications are first offered to the sending control (reflection).
class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to hwnd, or nullptr for a window the framework does not own.
    static CWnd* FromHandle(HWND hwnd);

    // Registers a window class that uses the framework's window procedure, unless a class
    // of that name exists already. False when the registration fails.
    static bool RegisterWindowClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon);

    // Creation. className may be a framework class or a system control class; a null
    // className uses the framework's plain class.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                  HWND parent, UINT_PTR idOrMenu);
    BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    BOOL DestroyWindow();

    // Dispatch.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification the parent reflects back to this control; true when handled here.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Default processing of the message being dispatched.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone (WM_NCDESTROY); m_hWnd is already null.
    virtual void PostNcDestroy() {}

    // Thin wrappers: each forwards to the Win32 call of the same name.
    BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    void MoveWindow(const RECT& rc, BOOL repaint = TRUE);
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags)
    {
        return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
    }
    void GetClientRect(RECT* rc) const { ::GetClientRect(m_hWnd, rc); }
    void GetWindowRect(RECT* rc) const { ::GetWindowRect(m_hWnd, rc); }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    std::string GetWindowText() const;
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void SetRedraw(bool redraw) { SendMessage(WM_SETREDRAW, redraw ? TRUE : FALSE); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    void ScreenToClient(POINT* pt) const { ::ScreenToClient(m_hWnd, pt); }
    void ClientToScreen(POINT* pt) const { ::ClientToScreen(m_hWnd, pt); }

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    static LRESULT CALLBACK StaticWndProc(HWND, UINT, WPARAM, LPARAM);
    static INT_PTR CALLBACK StaticDlgProc(HWND, UINT, WPARAM, LPARAM);

protected:
    // Creates the window from a filled creation record, after PreCreateWindow.
    BOOL CreateFromStruct(CREATESTRUCTA& cs);
    // WM_COMMAND: reflection to the sending control, then OnCmdMsg. True when handled.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // WM_NOTIFY: reflection to the sending control, then the Notify entries.
    virtual bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

private:
    enum class Attachment { None, OwnClass, Subclassed, Dialog };

    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    // wentToDefault, when given, says whether a dialog's message went to default processing.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool* wentToDefault = nullptr);
    // The end of a call that uses the object; the last one runs a pending PostNcDestroy.
    void LeaveBusy();
    void Detach();
    void RestoreSuperProc();

    Attachment m_attachment = Attachment::None;
    WNDPROC m_pfnSuper = nullptr;         // a subclassed control's own procedure
    bool m_bUnicodeSuper = false;         // ... which takes Unicode messages
    const MSG* m_pCurrentMsg = nullptr;   // the message being dispatched, for Default()
    bool m_bDialogDefault = false;        // a dialog message went to default processing
    int m_nBusy = 0;                      // dispatches and creations of this object on the stack
    bool m_bNcDestroyPending = false;     // the window is gone; PostNcDestroy waits for m_nBusy 0
};
