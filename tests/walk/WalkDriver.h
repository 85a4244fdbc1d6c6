#pragma once

// The walk's hands and eyes on the real workspace: commands as the menus send them, mouse
// and keys on the list rows, modal windows answered through their controls from a second
// thread, and the invariants read back from the real lists, title, list manager and files.
#include "DialogAnswerer.h"
#include "ListModel.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CListManager;
class CWorkspaceTestFrame;
class CWorkspaceView;

namespace walk {
// One modal window a step expects: found by caption, optionally checked by its text,
// driven by the action, closed with the button.
struct Window {
    std::string caption;
    int button = IDOK;
    ui::DialogAnswerer::Action action;
    std::string text;   // a message box's text; empty: not checked
};

class WalkDriver {
public:
    WalkDriver(CWorkspaceTestFrame& frame, std::string folder);

    CWorkspaceView& View();
    HWND GroupList();
    HWND ChroList();
    // The selected row of a list, -1 when none; and its row count.
    static int Selected(HWND list);
    static int Rows(HWND list);

    // A command as a menu, toolbar button or accelerator sends it.
    void Command(UINT id);
    // Whether the command's menu item or button is enabled now (a user cannot take a grayed one).
    bool Enabled(UINT id);
    // Runs code that must open exactly the windows expected, in order; each is answered as
    // it comes. A window nobody expected is closed after a while. Empty when all went as
    // expected, else what went wrong.
    std::string Run(const std::vector<Window>& expected, const std::function<void()>& code);
    // What the frame does when the message queue runs empty: the command states are
    // updated (Automate's among them) and whatever was posted is handled.
    void Idle();

    // Every invariant of the model against the real workspace; empty when all hold.
    std::string Check(const ModelState& model);
    // A list file's content; false when it cannot be read.
    static bool LoadFile(const std::string& path, ListData& list);
    static ListData FromManager(const CListManager& manager);
    std::string PathOf(const std::string& name) const { return m_folder + "\\" + name; }

private:
    CWorkspaceTestFrame& m_frame;
    std::string m_folder;
};
}   // namespace walk
