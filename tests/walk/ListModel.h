#pragma once

// The walk's model of a list: plain values, no Win32. The walk applies each user action to
// the real workspace and to this model, then compares the two. Every state is a value that
// copies, so a history of states (for Undo and Redo) is a vector of them.
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace walk {
struct ChroModel {
    std::string name;
    std::string description;
    std::string mass;
    std::string basedOn;
    int type = 0;   // 0 TIC, 1 BPI, 2 mass, 3 analogue
    int analogue = 1;
    int function = 1;
    bool checked = true;
    bool operator==(const ChroModel&) const = default;
};

struct GroupModel {
    std::string name;
    std::string comment;
    std::string basedOn;
    std::string range;
    int rangeMode = 0;
    bool checked = false;
    std::vector<ChroModel> chros;
    bool operator==(const GroupModel&) const = default;
};

// What the user typed and chose in the Chromatogram Details dialog.
struct ChroInput {
    std::string name;
    int type = 0;
    std::string function;       // typed into the function box; empty: left as shown
    std::string mass;           // typed into the mass box (type 2 only); empty: left as shown
    int channel = 0;            // channel item chosen (type 3 only); 0: none chosen
    bool typeByKeys = false;    // the type changed with arrow keys on the closed box
    bool fieldsFirst = false;   // name and function typed before the type changed
};

// What the user typed and chose in the Group Details dialog.
struct GroupInput {
    std::string name;
    std::string comment;
    int rangeMode = 0;
    std::string start;   // range boxes, used in mode 2
    std::string end;
};

// The list's data: what a list file holds.
struct ListData {
    std::vector<GroupModel> groups;
    bool operator==(const ListData&) const = default;

    int CheckedCount() const;
    // Moves the group check mark to one group.
    void CheckOnly(size_t group);
};

// Everything the walk predicts about the workspace.
struct ModelState {
    ListData list;
    std::string fileName = "Untitled.vtl";
    std::string pathName;
    bool modified = false;
    bool automate = false;
    std::map<std::string, ListData> files;   // what each list file the walk wrote holds
    bool fileReplaced = false;   // another writer changed the list's file since it was read or saved

    // Undo and Redo as the workspace keeps them: each step holds the list before and after it
    // and the number of the state it leads to. The list is unmodified exactly in the state
    // last loaded or saved.
    struct StepModel {
        ListData before, after;
        unsigned long long state = 0;
    };
    static constexpr size_t kHistoryLimit = 1000;
    std::deque<StepModel> undo, redo;
    unsigned long long state = 0, saved = 0, nextState = 1;
    unsigned long long base = 0;   // the state before the oldest step kept
    int loads = 0;                 // News and loads so far: no step reaches back across one
    ListData loaded;               // the list as last loaded or made new
    bool trimmed = false;          // steps since then went over the limit

    // An edit has changed the list from before to the present one.
    void Edited(const ListData& before);
    // A load or New: no steps; the present list is the saved one.
    void Forget();
    void Undo();
    void Redo();

    std::string Title() const { return "Vantrace - " + fileName + (modified ? " *" : ""); }
    // The state after a successful save to path under name.
    void Saved(const std::string& path, const std::string& name);
    // The state after New.
    void Cleared();
};

// The record the dialog gives back on OK when it was opened with `start`.
ChroModel ChroDialogResult(const ChroModel& start, const ChroInput& input);
// The group record the dialog gives back on OK when it was opened with `start` (after a reset).
GroupModel GroupDialogResult(const GroupModel& start, const GroupInput& input);
// True when the range of a mode-2 input passes the dialog's check.
bool RangeAccepted(const GroupInput& input);

// A short text of a state for failure reports.
std::string Describe(const ListData& list);
}   // namespace walk
