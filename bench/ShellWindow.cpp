// The baseline program of the start-up benchmark: the least a program must do to show what
// the tool shows when it starts with a list. It has the tool's manifest, resources and import
// set; it initialises the common controls, creates a frame with the tool's menu, a toolbar
// with the same three bitmap strips, a three-pane status bar and two owner-data report list
// views with both image lists, reads the list file raw in 1 MiB chunks and sets the lists'
// counts from its lines (groups, and the first group's chromatograms), shows and paints the
// frame, and sets the event. Command line: <event> <list file>.
#include "StartupMarks.h"
#include "resource.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {
const DWORD kListStyle = 0x5080880D | LVS_OWNERDATA;   // the workspace's list style
const DWORD kChunk = 1u << 20;
const int kImageSize = 20;
const COLORREF kTransparent = RGB(255, 0, 255);
const size_t kNamesKept = 256;   // the rows a list can show without scrolling, and more

// The tool imports advapi32, comctl32, gdi32, kernel32, msvcrt and user32 at start (the rest
// it loads when first used), and each DLL loaded with a program lengthens its start. This
// program calls into all but advapi32 anyway; this brings that one in too.
const void* volatile g_advapi32 = reinterpret_cast<const void*>(&RegCloseKey);

// What the list file holds, as far as the start needs it: how many groups and how many
// chromatograms the first group has, and the names of the first rows of both.
struct SCounts {
    int groups = 0;
    int firstGroupChros = 0;
    std::vector<std::string> groupNames;
    std::vector<std::string> chroNames;
};

// The seventh TAB-separated field of a line (the name of a G or C line), as stored.
std::string NameField(const char* line, const char* end)
{
    for (int field = 0; field < 6 && line < end; ++field) {
        const void* tab = std::memchr(line, '\t', static_cast<size_t>(end - line));
        line = tab ? static_cast<const char*>(tab) + 1 : end;
    }
    const void* tab = std::memchr(line, '\t', static_cast<size_t>(end - line));
    return std::string(line, tab ? static_cast<const char*>(tab) : end);
}

bool ReadCounts(const char* path, SCounts& counts)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    std::vector<char> bytes(static_cast<size_t>(size.QuadPart));
    size_t used = 0;
    DWORD got = 0;
    while (used < bytes.size()
           && ReadFile(file, bytes.data() + used, static_cast<DWORD>(std::min<size_t>(bytes.size() - used, kChunk)),
                       &got, nullptr)
           && got > 0)
        used += got;
    CloseHandle(file);
    const char* at = bytes.data();
    const char* end = at + used;
    while (at < end) {
        const void* newline = std::memchr(at, '\n', static_cast<size_t>(end - at));
        const char* lineEnd = newline ? static_cast<const char*>(newline) : end;
        if (*at == 'G') {
            if (counts.groupNames.size() < kNamesKept)
                counts.groupNames.push_back(NameField(at, lineEnd));
            ++counts.groups;
        } else if (*at == 'C' && counts.groups == 1) {
            if (counts.chroNames.size() < kNamesKept)
                counts.chroNames.push_back(NameField(at, lineEnd));
            ++counts.firstGroupChros;
        }
        at = lineEnd + 1;
    }
    return used == bytes.size();
}

SCounts g_counts;

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_GETDISPINFOA) {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
        const bool groups = reinterpret_cast<NMHDR*>(lParam)->idFrom == 1;
        const std::vector<std::string>& names = groups ? g_counts.groupNames : g_counts.chroNames;
        const size_t row = static_cast<size_t>(item.iItem);
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
            lstrcpynA(item.pszText, item.iSubItem == 0 && row < names.size() ? names[row].c_str() : "",
                      item.cchTextMax);
        if (item.mask & LVIF_IMAGE)
            item.iImage = 0;
        if (item.mask & LVIF_STATE) {
            item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(2);
            item.stateMask |= LVIS_STATEIMAGEMASK;
        }
        return 0;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HIMAGELIST LoadStrip(HINSTANCE instance, UINT id)
{
    auto bitmap = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                                  LR_CREATEDIBSECTION));
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return nullptr;
    HIMAGELIST list = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, info.bmWidth / kImageSize, 0);
    ImageList_AddMasked(list, bitmap, kTransparent);
    DeleteObject(bitmap);
    return list;
}

// The toolbar's buttons from the tool's toolbar resource: a version, the button size, the
// count, then one command id a button (0 for a separator).
void AddButtons(HINSTANCE instance, HWND toolbar)
{
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(IDR_TOOLBAR), MAKEINTRESOURCEA(241));   // RT_TOOLBAR
    const auto* data = found ? static_cast<const WORD*>(LockResource(LoadResource(instance, found))) : nullptr;
    if (!data)
        return;
    std::vector<TBBUTTON> buttons(data[3]);
    int image = 0;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const WORD id = data[4 + i];
        buttons[i].idCommand = id;
        buttons[i].fsStyle = id ? BTNS_BUTTON : BTNS_SEP;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].iBitmap = id ? image++ : 0;
    }
    SendMessageA(toolbar, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

HWND CreateList(HWND frame, HINSTANCE instance, int id, int x, int count)
{
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", kListStyle, x, 40, 300, 400, frame,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageA(list, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        col.cx = 150;
        col.pszText = const_cast<char*>(column ? "Comment" : "Name");
        SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&col));
    }
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(ImageList_LoadImageA(instance, MAKEINTRESOURCEA(IDB_PLAY), kImageSize, 0,
                                                               kTransparent, IMAGE_BITMAP, LR_CREATEDIBSECTION)));
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_STATE,
                 reinterpret_cast<LPARAM>(ImageList_LoadImageA(instance, MAKEINTRESOURCEA(IDB_CHECKBOXES), kImageSize,
                                                               0, kTransparent, IMAGE_BITMAP, LR_CREATEDIBSECTION)));
    SendMessageA(list, LVM_SETITEMCOUNT, count, LVSICF_NOSCROLL);
    return list;
}
}   // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    if (!g_advapi32)
        return 1;
    std::string event = commandLine;
    std::string path;
    if (const size_t space = event.find(' '); space != std::string::npos) {
        path = event.substr(space + 1);
        event.resize(space);
        if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
            path = path.substr(1, path.size() - 2);
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    StartupMark("common controls initialised");

    WNDCLASSA wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "VantraceBenchShell";
    if (!RegisterClassA(&wc))
        return 1;
    HWND frame = CreateWindowExA(0, wc.lpszClassName, "Shell", WS_OVERLAPPEDWINDOW, 0, 0, 700, 500, nullptr,
                                 LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME)), instance, nullptr);
    if (!frame)
        return 1;
    StartupMark("frame with menu created");

    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                                   WS_CHILD | WS_VISIBLE | CCS_TOP | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TRANSPARENT
                                       | TBSTYLE_TOOLTIPS,
                                   0, 0, 0, 0, frame, nullptr, instance, nullptr);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(kImageSize, kImageSize));
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(LoadStrip(instance, IDB_TOOLBAR_NORMAL)));
    SendMessageA(toolbar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(LoadStrip(instance, IDB_TOOLBAR_HOT)));
    SendMessageA(toolbar, TB_SETDISABLEDIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(LoadStrip(instance, IDB_TOOLBAR_DISABLED)));
    AddButtons(instance, toolbar);
    HWND status = CreateWindowExA(0, STATUSCLASSNAMEA, "Ready", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0, frame,
                                  nullptr, instance, nullptr);
    const int parts[] = {400, 500, -1};
    SendMessageA(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    StartupMark("toolbar and status bar created");

    if (!ReadCounts(path.c_str(), g_counts))
        return 1;
    StartupMark("list file read and counted");
    CreateList(frame, instance, 1, 0, g_counts.groups);
    HWND chros = CreateList(frame, instance, 2, 310, g_counts.firstGroupChros);
    if (g_counts.firstGroupChros > 0)
        ListView_SetItemState(chros, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    StartupMark("lists created and counted");

    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    StartupMark("shown and painted");
    if (HANDLE created = OpenEventA(EVENT_MODIFY_STATE, FALSE, event.c_str())) {
        SetEvent(created);
        CloseHandle(created);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
