#include "BoxAnswerer.h"

namespace {
struct Search {
    DWORD processId;
    std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBox(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    char name[16] = {};
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    GetClassNameA(hwnd, name, sizeof name);
    if (pid == search->processId && lstrcmpA(name, "#32770") == 0 && IsWindowVisible(hwnd))
        search->boxes.push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK AppendStatic(HWND child, LPARAM param)
{
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0) {
        char text[1024] = {};
        GetWindowTextA(child, text, sizeof text);
        *reinterpret_cast<std::string*>(param) += text;
    }
    return TRUE;
}
}  // namespace

BoxAnswerer::BoxAnswerer(DWORD processId) : m_processId(processId), m_thread([this] { Run(); }) {}

BoxAnswerer::~BoxAnswerer()
{
    m_stop = true;
    m_thread.join();
}

std::vector<std::string> BoxAnswerer::Seen()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_seen;
}

void BoxAnswerer::Run()
{
    while (!m_stop) {
        AnswerOpenBoxes();
        Sleep(100);
    }
}

void BoxAnswerer::AnswerOpenBoxes()
{
    Search search{m_processId, {}};
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
    for (HWND box : search.boxes) {
        char caption[256] = {};
        GetWindowTextA(box, caption, sizeof caption);
        std::string text;
        EnumChildWindows(box, AppendStatic, reinterpret_cast<LPARAM>(&text));
        int button = IDOK;
        if (!GetDlgItem(box, IDOK)) button = GetDlgItem(box, IDNO) ? IDNO : IDCANCEL;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
        std::lock_guard<std::mutex> lock(m_mutex);
        bool known = false;
        for (HWND answered : m_answered) known = known || answered == box;
        if (!known) {
            m_answered.push_back(box);
            m_seen.push_back(std::string(caption) + ": " + text);
        }
    }
}
