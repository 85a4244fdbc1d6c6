// Handler tables: each framework class keeps one static table of typed entries next to its
// handlers. The entries are data; the makers in namespace msg only build them, for example
// msg::Command<&CMainFrame::OnMinimise>(ID_VIEW_MINIMISE).
//
// Dispatch order, for every message and command: the class's own table, then its base
// class's table, and so on up the chain; then default processing. The first match wins.
#pragma once

#include <windows.h>
#include <shellapi.h>   // HDROP

#include <type_traits>

class CCmdTarget;
class CCmdUI;

// Code used for command-enable requests in OnCmdMsg and in update entries.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

enum class EntryKind {
    Message,          // a window message, by number
    Registered,       // a registered window message, read from its global when dispatched
    Command,          // WM_COMMAND: notification code and an id range (code 0 = menu, accelerator, button)
    Update,           // a command-enable request for an id range
    Notify,           // WM_NOTIFY from a child: notification code and the child's id
    ReflectNotify,    // WM_NOTIFY reflected back to the control that sent it
    ReflectCommand,   // a control's WM_COMMAND notification reflected back to the control
};

// Calls the bound member function and gives its result. For commands wParam carries the id,
// for updates lParam carries the CCmdUI*, for notifications lParam carries the NMHDR*.
using EntryThunk = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct MsgEntry {
    EntryKind kind;
    UINT message;             // Message: the message; Command/Notify/Reflect*: the notification code
    const UINT* registered;   // Registered: the global that holds the registered number
    UINT idFirst;             // Command/Update/Notify: id range
    UINT idLast;
    EntryThunk thunk;
};

struct MessageMap {
    const MessageMap* (*base)();   // the base class's table, or nullptr at the root
    const MsgEntry* entries;
    size_t count;
};

namespace msgmap_detail {
template <typename>
struct MemberOf;
template <typename C, typename F>
struct MemberOf<F C::*> {
    using Class = C;
};
template <auto F>
using ClassOf = typename MemberOf<decltype(F)>::Class;

template <auto F>
ClassOf<F>* Self(CCmdTarget* target)
{
    return static_cast<ClassOf<F>*>(target);
}
}   // namespace msgmap_detail

namespace msg {
// A window message whose handler takes the raw parameters: LRESULT Handler(WPARAM, LPARAM).
template <auto F>
constexpr MsgEntry Message(UINT message)
{
    return {EntryKind::Message, message, nullptr, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {
                return (msgmap_detail::Self<F>(t)->*F)(w, l);
            }};
}

// WM_CREATE: int Handler(CREATESTRUCTA*), -1 fails the creation.
template <auto F>
constexpr MsgEntry Create()
{
    return {EntryKind::Message, WM_CREATE, nullptr, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {
                return (msgmap_detail::Self<F>(t)->*F)(reinterpret_cast<CREATESTRUCTA*>(l));
            }};
}

// WM_SIZE: void Handler(UINT type, int cx, int cy).
template <auto F>
constexpr MsgEntry Size()
{
    return {EntryKind::Message, WM_SIZE, nullptr, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {
                (msgmap_detail::Self<F>(t)->*F)(static_cast<UINT>(w), static_cast<short>(LOWORD(l)),
                                                static_cast<short>(HIWORD(l)));
                return 0;
            }};
}

// WM_TIMER: void Handler(UINT_PTR id).
template <auto F>
constexpr MsgEntry Timer()
{
    return {EntryKind::Message, WM_TIMER, nullptr, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {
                (msgmap_detail::Self<F>(t)->*F)(static_cast<UINT_PTR>(w));
                return 0;
            }};
}

// A mouse message (WM_LBUTTONDOWN, WM_MOUSEMOVE, ...): void Handler(UINT keyFlags, POINT client).
template <auto F>
constexpr MsgEntry Mouse(UINT message)
{
    return {EntryKind::Message, message, nullptr, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {
                const POINT pt{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
                (msgmap_detail::Self<F>(t)->*F)(static_cast<UINT>(w), pt);
                return 0;
            }};
}

// WM_DROPFILES: void Handler(HDROP); the handler ends the drop (TakeDroppedFiles does).
template <auto F>
constexpr MsgEntry DropFiles()
{
    return {EntryKind::Message, WM_DROPFILES, nullptr, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {
                (msgmap_detail::Self<F>(t)->*F)(reinterpret_cast<HDROP>(w));
                return 0;
            }};
}

// A registered message: LRESULT Handler(WPARAM, LPARAM).
template <auto F>
constexpr MsgEntry Registered(const UINT* message)
{
    return {EntryKind::Registered, 0, message, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {
                return (msgmap_detail::Self<F>(t)->*F)(w, l);
            }};
}

// A command: void Handler().
template <auto F>
constexpr MsgEntry Command(UINT id)
{
    return {EntryKind::Command, 0, nullptr, id, id, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {
                (msgmap_detail::Self<F>(t)->*F)();
                return 0;
            }};
}

// A range of commands: void Handler(UINT id).
template <auto F>
constexpr MsgEntry CommandRange(UINT first, UINT last)
{
    return {EntryKind::Command, 0, nullptr, first, last, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {
                (msgmap_detail::Self<F>(t)->*F)(static_cast<UINT>(w));
                return 0;
            }};
}

// A control notification sent as WM_COMMAND to the parent (CBN_SELENDOK, BN_CLICKED, ...): void Handler().
template <auto F>
constexpr MsgEntry Control(UINT code, UINT id)
{
    return {EntryKind::Command, code, nullptr, id, id, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {
                (msgmap_detail::Self<F>(t)->*F)();
                return 0;
            }};
}

// A range of controls with one notification: void Handler(UINT id).
template <auto F>
constexpr MsgEntry ControlRange(UINT code, UINT first, UINT last)
{
    return {EntryKind::Command, code, nullptr, first, last, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {
                (msgmap_detail::Self<F>(t)->*F)(static_cast<UINT>(w));
                return 0;
            }};
}

// A command-enable request: void Handler(CCmdUI*).
template <auto F>
constexpr MsgEntry Update(UINT id)
{
    return {EntryKind::Update, 0, nullptr, id, id, [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {
                (msgmap_detail::Self<F>(t)->*F)(reinterpret_cast<CCmdUI*>(l));
                return 0;
            }};
}

// A range of command-enable requests: void Handler(CCmdUI*).
template <auto F>
constexpr MsgEntry UpdateRange(UINT first, UINT last)
{
    return {EntryKind::Update, 0, nullptr, first, last, [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {
                (msgmap_detail::Self<F>(t)->*F)(reinterpret_cast<CCmdUI*>(l));
                return 0;
            }};
}

// WM_NOTIFY from the child with the given id: LRESULT Handler(NMHDR*), the notification's result.
template <auto F>
constexpr MsgEntry Notify(UINT code, UINT id)
{
    return {EntryKind::Notify, code, nullptr, id, id, [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {
                return (msgmap_detail::Self<F>(t)->*F)(reinterpret_cast<NMHDR*>(l));
            }};
}

// WM_NOTIFY from children with ids in a range: LRESULT Handler(NMHDR*).
template <auto F>
constexpr MsgEntry NotifyRange(UINT code, UINT first, UINT last)
{
    return {EntryKind::Notify, code, nullptr, first, last, [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {
                return (msgmap_detail::Self<F>(t)->*F)(reinterpret_cast<NMHDR*>(l));
            }};
}

// WM_NOTIFY reflected to the control itself: LRESULT Handler(NMHDR*).
template <auto F>
constexpr MsgEntry ReflectNotify(UINT code)
{
    return {EntryKind::ReflectNotify, code, nullptr, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {
                return (msgmap_detail::Self<F>(t)->*F)(reinterpret_cast<NMHDR*>(l));
            }};
}

// A WM_COMMAND notification reflected to the control itself (EN_CHANGE, ...): void Handler().
template <auto F>
constexpr MsgEntry ReflectCommand(UINT code)
{
    return {EntryKind::ReflectCommand, code, nullptr, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {
                (msgmap_detail::Self<F>(t)->*F)();
                return 0;
            }};
}

}   // namespace msg

// Builds a table from a base table accessor and a static entry array.
template <size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* (*base)(), const MsgEntry (&entries)[N])
{
    return {base, entries, N};
}
