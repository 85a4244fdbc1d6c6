#include "WalkActions.h"

#include "ListViewInput.h"
#include "PopupMenuReader.h"
#include "Pump.h"
#include "WalkAnswers.h"
#include "WalkFileActions.h"
#include "WorkspaceFixture.h"
#include "resource.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>

namespace walk {
namespace {
const int kMaxGroups = 10;   // rows beyond the visible ones could not be pressed
const int kMaxChros = 12;
const char kNameEmpty[] = "Chromatogram name is empty";
const char kGroupNameEmpty[] = "Group name is empty";

int ChroRows(Step& s)
{
    return WalkDriver::Rows(s.ui.ChroList());
}

int GroupRows(Step& s)
{
    return WalkDriver::Rows(s.ui.GroupList());
}

std::vector<ChroModel>* ShownChros(Step& s)
{
    GroupModel* group = s.SelectedGroup();
    return group ? &group->chros : nullptr;
}

// True when the command is grayed: the step then does nothing, as for a user.
bool Grayed(Step& s, UINT id)
{
    if (s.ui.Enabled(id))
        return false;
    s.did = "grayed";
    return true;
}

// ---- chromatograms ----

int WeightAddChro(Step& s)
{
    std::vector<ChroModel>* chros = ShownChros(s);
    if (!chros)
        return 1;
    return static_cast<int>(chros->size()) >= kMaxChros ? 0 : 12;
}

void RunAddChro(Step& s)
{
    const int g = s.Group();
    std::vector<Window> windows;
    bool added = false;
    ChroModel result;
    if (s.expected.list.groups.empty()) {
        windows.push_back({"Vantrace", IDOK, {}, "Please add a group before adding a chromatogram"});
    } else if (g < 0) {
        windows.push_back({"Vantrace", IDOK, {}, "Please select a group"});
    } else {
        const ChroInput input = RandomChroInput(s);
        const bool ok = !s.rng.Chance(15);
        windows.push_back(ChroWindow("Add chromatogram", input, 0, ok));
        if (ok && input.name.empty())
            windows.push_back({"Vantrace", IDOK, {}, kNameEmpty});
        added = ok && !input.name.empty();
        result = ChroDialogResult(ChroModel(), input);
        s.did = (ok ? "OK " : "Cancel ") + input.name + " type " + std::to_string(input.type)
                + (input.typeByKeys ? " by keys" : "") + (input.fieldsFirst ? " after typing" : "");
    }
    s.problem = s.ui.Run(windows, [&] { s.ui.Command(ID_CHRO_ADD); });
    if (added) {
        s.expected.list.groups[static_cast<size_t>(g)].chros.push_back(result);
        s.expected.modified = true;
    }
}

int WeightWithChros(Step& s, int weight)
{
    return ChroRows(s) > 0 ? weight : 0;
}

void RunEditChro(Step& s)
{
    if (Grayed(s, ID_CHRO_EDIT))
        return;
    const int r = s.Chro();
    if (r < 0) {
        s.did = "no row selected";
        s.problem = s.ui.Run({}, [&] { s.ui.Command(ID_CHRO_EDIT); });
        return;
    }
    ChroModel& chro = (*ShownChros(s))[static_cast<size_t>(r)];
    const ChroInput input = RandomChroInput(s);
    const bool ok = !s.rng.Chance(15);
    s.did = "row " + std::to_string(r) + (ok ? " OK " : " Cancel ") + input.name + " type " + std::to_string(input.type)
            + (input.typeByKeys ? " by keys" : "");
    s.problem =
        s.ui.Run({ChroWindow("Edit chromatogram details", input, chro.type, ok)}, [&] { s.ui.Command(ID_CHRO_EDIT); });
    if (ok) {
        const ChroModel result = ChroDialogResult(chro, input);
        s.unchangedEditMayMark = result == chro;
        chro = result;
        s.expected.modified = true;
    }
}

void RunDuplicateChro(Step& s)
{
    if (Grayed(s, ID_CHRO_DUPLICATE))
        return;
    const int r = s.Chro();
    if (r < 0) {
        s.did = "no row selected";
        s.problem = s.ui.Run({{"Vantrace", IDOK, {}, "Unable to duplicate chromatogram"}},
                             [&] { s.ui.Command(ID_CHRO_DUPLICATE); });
        return;
    }
    std::vector<ChroModel>& chros = *ShownChros(s);
    ChroModel start = chros[static_cast<size_t>(r)];
    start.basedOn = start.name;
    const ChroInput input = RandomChroInput(s);
    const bool ok = !s.rng.Chance(15);
    s.did = "row " + std::to_string(r) + (ok ? " OK " : " Cancel ") + input.name;
    s.problem = s.ui.Run({ChroWindow("Duplicate chromatogram", input, start.type, ok)},
                         [&] { s.ui.Command(ID_CHRO_DUPLICATE); });
    if (ok) {
        chros.push_back(ChroDialogResult(start, input));
        s.expected.modified = true;
    }
}

int WeightDeleteChro(Step& s)
{
    return ChroRows(s) > 0 ? 5 : 1;   // the Delete key works on an empty list too
}

void RunDeleteChro(Step& s)
{
    const bool byKey = !s.ui.Enabled(ID_CHRO_DELETE) || s.rng.Chance(50);
    const int g = s.Group();
    const int r = s.Chro();
    std::vector<Window> windows;
    bool deleted = false;
    if (s.expected.list.groups.empty()) {
        windows.push_back({"Vantrace", IDOK, {}, "No chromatograms to remove"});
    } else if (g < 0) {
        windows.push_back({"Vantrace", IDOK, {}, "Please select a group"});
    } else if (ShownChros(s)->empty()) {
        windows.push_back({"Vantrace", IDOK, {}, "No chromatograms to delete"});
    } else if (r < 0) {
        windows.push_back({"Vantrace", IDOK, {}, "Please select a chromatogram"});
    } else {
        deleted = s.rng.Chance(70);
        windows.push_back(
            {"Deletion", deleted ? IDYES : IDNO, {}, "Are you sure you want to delete the chromatogram?"});
    }
    s.did = std::string(byKey ? "Delete key" : "command") + ", row " + std::to_string(r) + (deleted ? " Yes" : "");
    s.problem = s.ui.Run(windows, [&] {
        if (byKey)
            ui::PressKey(s.ui.ChroList(), VK_DELETE);
        else
            s.ui.Command(ID_CHRO_DELETE);
    });
    if (deleted) {
        std::vector<ChroModel>& chros = *ShownChros(s);
        chros.erase(chros.begin() + r);
        s.expected.modified = true;
    }
}

void RunMove(Step& s, bool up)
{
    if (Grayed(s, up ? ID_CHRO_MOVE_UP : ID_CHRO_MOVE_DOWN))
        return;
    const int r = s.Chro();
    const int rows = ChroRows(s);
    s.did = std::string(up ? "up" : "down") + " from row " + std::to_string(r);
    s.problem = s.ui.Run({}, [&] { s.ui.Command(up ? ID_CHRO_MOVE_UP : ID_CHRO_MOVE_DOWN); });
    const int other = up ? r - 1 : r + 1;
    if (r < 0 || other < 0 || other >= rows)
        return;
    std::vector<ChroModel>& chros = *ShownChros(s);
    std::swap(chros[static_cast<size_t>(r)], chros[static_cast<size_t>(other)]);
    s.expected.modified = true;
}

int WeightSpace(Step& s)
{
    return ChroRows(s) > 0 ? 5 : 1;
}

void RunSpace(Step& s)
{
    const int r = s.Chro();
    s.did = "selected row " + std::to_string(r);
    s.problem = s.ui.Run({}, [&] { ui::PressKey(s.ui.ChroList(), VK_SPACE); });
    std::vector<ChroModel>* chros = ShownChros(s);
    if (!chros || chros->empty())
        return;
    ChroModel& chro = (*chros)[static_cast<size_t>(r < 0 ? 0 : r)];
    chro.checked = !chro.checked;
    s.expected.modified = true;
}

void RunPressChroBox(Step& s)
{
    const int k = s.rng.Below(ChroRows(s));
    s.did = "row " + std::to_string(k);
    HWND list = s.ui.ChroList();
    s.problem = s.ui.Run({}, [&] { ui::Click(list, ui::RowPartPoint(list, k, ui::RowPart::CheckBox)); });
    ChroModel& chro = (*ShownChros(s))[static_cast<size_t>(k)];
    chro.checked = !chro.checked;
    s.expected.modified = true;
}

// Up, Down or a press on a row's label: the selection moves, the data does not.
void RunSelect(Step& s, HWND list)
{
    const int how = s.rng.Below(3);
    const int k = s.rng.Below(WalkDriver::Rows(list));
    s.did = how == 0 ? "Up" : how == 1 ? "Down" : "press on row " + std::to_string(k);
    s.problem = s.ui.Run({}, [&] {
        if (how == 0)
            ui::PressKey(list, VK_UP);
        else if (how == 1)
            ui::PressKey(list, VK_DOWN);
        else
            ui::Click(list, ui::RowPartPoint(list, k, ui::RowPart::Label));
    });
}

// ---- groups ----

void RunAddGroup(Step& s)
{
    const GroupInput input = RandomGroupInput(s);
    bool ok = false;
    std::vector<Window> windows = GroupWindows(s, "Add Group", input, ok);
    if (ok && input.name.empty())
        windows.push_back({"Vantrace", IDOK, {}, kGroupNameEmpty});
    s.did = (ok ? "OK " : "Cancel ") + input.name + " mode " + std::to_string(input.rangeMode)
            + (windows.size() > 2 ? " after a refused range" : "");
    s.problem = s.ui.Run(windows, [&] { s.ui.Command(ID_GROUP_ADD); });
    if (ok && !input.name.empty()) {
        s.expected.list.groups.push_back(GroupDialogResult(GroupModel(), input));
        s.expected.modified = true;
    }
}

int WeightEditGroup(Step& s)
{
    return GroupRows(s) == 0 ? 0 : 4;
}

void RunEditGroup(Step& s)
{
    if (Grayed(s, ID_GROUP_EDIT))
        return;
    GroupModel* group = s.SelectedGroup();
    if (!group) {
        s.did = "no group selected";
        s.problem = s.ui.Run({}, [&] { s.ui.Command(ID_GROUP_EDIT); });
        return;
    }
    const GroupInput input = RandomGroupInput(s);
    bool ok = false;
    const std::vector<Window> windows = GroupWindows(s, "Edit group details", input, ok);
    s.did = "row " + std::to_string(s.Group()) + (ok ? " OK " : " Cancel ") + input.name + " mode "
            + std::to_string(input.rangeMode);
    s.problem = s.ui.Run(windows, [&] { s.ui.Command(ID_GROUP_EDIT); });
    if (ok) {
        const GroupModel result = GroupDialogResult(*group, input);
        s.unchangedEditMayMark = result == *group;
        *group = result;
        s.expected.modified = true;
    }
}

int WeightDuplicateGroup(Step& s)
{
    if (GroupRows(s) == 0 || GroupRows(s) >= kMaxGroups)
        return 0;
    return 3;
}

void RunDuplicateGroup(Step& s)
{
    if (Grayed(s, ID_GROUP_DUPLICATE))
        return;
    GroupModel* source = s.SelectedGroup();
    GroupModel start;
    if (source) {
        start = *source;
        start.basedOn = start.name;
    }
    const GroupInput input = RandomGroupInput(s);
    bool ok = false;
    std::vector<Window> windows = GroupWindows(s, "Duplicate group", input, ok);
    if (ok && input.name.empty())
        windows.push_back({"Vantrace", IDOK, {}, kGroupNameEmpty});
    s.did = "row " + std::to_string(s.Group()) + (ok ? " OK " : " Cancel ") + input.name;
    s.problem = s.ui.Run(windows, [&] { s.ui.Command(ID_GROUP_DUPLICATE); });
    if (ok && !input.name.empty() && source) {
        GroupModel copy = GroupDialogResult(start, input);
        copy.checked = false;   // one checked group at most
        s.expected.list.groups.push_back(copy);
        s.expected.modified = true;
    }
}

int WeightDeleteGroup(Step& s)
{
    return GroupRows(s) > 0 ? 3 : 1;
}

void RunDeleteGroup(Step& s)
{
    const bool byKey = !s.ui.Enabled(ID_GROUP_DELETE) || s.rng.Chance(50);
    const int g = s.Group();
    std::vector<Window> windows;
    bool deleted = false;
    if (s.expected.list.groups.empty()) {
        windows.push_back({"Vantrace", IDOK, {}, "No groups in list to remove"});
    } else if (g < 0) {
        windows.push_back({"Vantrace", IDOK, {}, "Please select a group"});
    } else {
        deleted = s.rng.Chance(60);
        windows.push_back({"Deletion",
                           deleted ? IDYES : IDNO,
                           {},
                           "Are you sure you want to delete the selected group and the chromatograms it contains?"});
    }
    s.did = std::string(byKey ? "Delete key" : "command") + ", row " + std::to_string(g) + (deleted ? " Yes" : "");
    s.problem = s.ui.Run(windows, [&] {
        if (byKey)
            ui::PressKey(s.ui.GroupList(), VK_DELETE);
        else
            s.ui.Command(ID_GROUP_DELETE);
    });
    if (deleted) {
        s.expected.list.groups.erase(s.expected.list.groups.begin() + g);
        s.expected.modified = true;
    }
}

int WeightPressGroupBox(Step& s)
{
    return s.expected.automate && GroupRows(s) > 0 ? 4 : 0;
}

void RunPressGroupBox(Step& s)
{
    const int k = s.rng.Below(GroupRows(s));
    GroupModel& group = s.expected.list.groups[static_cast<size_t>(k)];
    s.did = "row " + std::to_string(k) + (group.checked ? ", checked already" : "");
    std::vector<Window> windows;
    if (group.checked)
        windows.push_back({"Vantrace", IDOK, {}, ""});   // at least one group stays checked
    HWND list = s.ui.GroupList();
    s.problem = s.ui.Run(windows, [&] { ui::Click(list, ui::RowPartPoint(list, k, ui::RowPart::CheckBox)); });
    if (!group.checked) {
        s.expected.list.CheckOnly(static_cast<size_t>(k));
        s.expected.modified = true;
    }
}

void RunAutomate(Step& s)
{
    if (Grayed(s, ID_AUTOMATE))
        return;
    s.problem = s.ui.Run({}, [&] { s.ui.Command(ID_AUTOMATE); });
    s.expected.automate = !s.expected.automate;
    s.did = s.expected.automate ? "on" : "off";
}

// A right press on a row opens the list's context menu, which the user closes with Escape.
void RunRightClick(Step& s)
{
    const bool groups = s.rng.Chance(50) || ChroRows(s) == 0;
    HWND list = groups ? s.ui.GroupList() : s.ui.ChroList();
    const int k = s.rng.Below(WalkDriver::Rows(list));
    s.did = std::string(groups ? "group" : "chromatogram") + " row " + std::to_string(k);
    PopupMenuReader menu;
    bool opened = false;
    s.problem = s.ui.Run({}, [&] {
        menu.Start();
        ui::RightClick(list, ui::RowPartPoint(list, k, ui::RowPart::Label));
        ui::PumpPending();
        opened = menu.Finish();
    });
    if (!opened)
        s.problem += "no context menu opened\n";
}

int Always(Step&)
{
    return 1;
}

// Move Group Up or Down through the menu command or Shift+Up, Shift+Down in the group list.
void RunMoveGroup(Step& s, bool up)
{
    const UINT id = up ? ID_GROUP_MOVE_UP : ID_GROUP_MOVE_DOWN;
    const int g = s.Group();
    const int other = up ? g - 1 : g + 1;
    const bool possible = g >= 0 && other >= 0 && other < GroupRows(s);
    const bool byKey = s.rng.Chance(50);
    if (!byKey && Grayed(s, id)) {
        if (possible)
            s.problem =
                std::string(up ? "Move Group Up" : "Move Group Down") + " is grayed at row " + std::to_string(g) + "\n";
        return;
    }
    s.did = std::string(byKey ? "key " : "command ") + "from row " + std::to_string(g);
    s.problem = s.ui.Run({}, [&] {
        if (byKey)
            ui::PressKey(s.ui.GroupList(), up ? VK_UP : VK_DOWN, {VK_SHIFT});
        else
            s.ui.Command(id);
    });
    if (!possible)
        return;
    std::swap(s.expected.list.groups[static_cast<size_t>(g)], s.expected.list.groups[static_cast<size_t>(other)]);
    s.expected.modified = true;
    if (s.Group() != other)
        s.problem += "the moved group is not selected: row " + std::to_string(s.Group()) + "\n";
}
// A row of either list dragged onto another (or its own) row: it lands there and stays selected.
void RunDrag(Step& s)
{
    const bool groups = ChroRows(s) < 2 || (GroupRows(s) > 1 && s.rng.Chance(50));
    HWND list = groups ? s.ui.GroupList() : s.ui.ChroList();
    const int from = s.rng.Below(WalkDriver::Rows(list)), to = s.rng.Below(WalkDriver::Rows(list));
    s.did = (groups ? "group " : "chromatogram ") + std::to_string(from) + " to " + std::to_string(to);
    s.problem = s.ui.Run({}, [&] { ui::DragRow(list, from, to); });
    auto move = [&](auto& rows) {
        const auto first = rows.begin() + std::min(from, to);
        std::rotate(first, rows.begin() + (from < to ? from + 1 : from), rows.begin() + std::max(from, to) + 1);
    };
    groups ? move(s.expected.list.groups) : move(*ShownChros(s));
    if (WalkDriver::Selected(list) != to)
        s.problem += "the dragged row is not selected: row " + std::to_string(WalkDriver::Selected(list)) + "\n";
}
}   // namespace

void RunUndoRedo(Step& s, bool undo)
{
    const UINT id = undo ? ID_EDIT_UNDO : ID_EDIT_REDO;
    const bool possible = !(undo ? s.expected.undo : s.expected.redo).empty();
    s.historyMoved = true;
    if (s.ui.Enabled(id) != possible) {
        s.problem = std::string(undo ? "Undo" : "Redo") + (possible ? " is grayed" : " is enabled")
                    + " while the model has " + (possible ? "" : "no ") + "steps\n";
        return;
    }
    if (!possible) {
        s.did = "grayed";
        return;
    }
    const int how = s.rng.Below(3);   // the command, Ctrl+Z or Ctrl+Y, Ctrl+Shift+Z for Redo
    HWND list = s.rng.Chance(50) ? s.ui.GroupList() : s.ui.ChroList();
    s.did = how == 0 ? "command" : undo ? "Ctrl+Z" : how == 1 ? "Ctrl+Y" : "Ctrl+Shift+Z";
    s.problem = s.ui.Run({}, [&] {
        if (how == 0)
            s.ui.Command(id);
        else if (undo)
            ui::PressKey(list, 'Z', {VK_CONTROL});
        else if (how == 1)
            ui::PressKey(list, 'Y', {VK_CONTROL});
        else
            ui::PressKey(list, 'Z', {VK_CONTROL, VK_SHIFT});
    });
    if (undo)
        s.expected.Undo();
    else
        s.expected.Redo();
}

namespace {

const std::vector<Action> kActions = {
    {"add chromatogram", &WeightAddChro, &RunAddChro},
    {"edit chromatogram", [](Step& s) { return WeightWithChros(s, 6); }, &RunEditChro},
    {"duplicate chromatogram",
     [](Step& s) {
         const std::vector<ChroModel>* chros = ShownChros(s);
         return chros && static_cast<int>(chros->size()) < kMaxChros ? WeightWithChros(s, 4) : 0;
     },
     &RunDuplicateChro},
    {"delete chromatogram", &WeightDeleteChro, &RunDeleteChro},
    {"move up", [](Step& s) { return WeightWithChros(s, 4); }, [](Step& s) { RunMove(s, true); }},
    {"move down", [](Step& s) { return WeightWithChros(s, 4); }, [](Step& s) { RunMove(s, false); }},
    {"space on chromatograms", &WeightSpace, &RunSpace},
    {"press chromatogram check box", [](Step& s) { return WeightWithChros(s, 5); }, &RunPressChroBox},
    {"select chromatogram", [](Step& s) { return WeightWithChros(s, 6); },
     [](Step& s) { RunSelect(s, s.ui.ChroList()); }},
    {"add group", [](Step& s) { return GroupRows(s) >= kMaxGroups ? 0 : 6; }, &RunAddGroup},
    {"edit group", &WeightEditGroup, &RunEditGroup},
    {"duplicate group", &WeightDuplicateGroup, &RunDuplicateGroup},
    {"delete group", &WeightDeleteGroup, &RunDeleteGroup},
    {"select group", [](Step& s) { return GroupRows(s) > 0 ? 8 : 0; }, [](Step& s) { RunSelect(s, s.ui.GroupList()); }},
    {"press group check box", &WeightPressGroupBox, &RunPressGroupBox},
    {"automate", [](Step& s) { return GroupRows(s) > 0 ? 2 : 0; }, &RunAutomate},
    {"undo", [](Step& s) { return s.expected.undo.empty() ? 1 : 6; }, [](Step& s) { RunUndoRedo(s, true); }},
    {"redo", [](Step& s) { return s.expected.redo.empty() ? 1 : 4; }, [](Step& s) { RunUndoRedo(s, false); }},
    {"move group up", [](Step& s) { return GroupRows(s) > 1 ? 2 : 0; }, [](Step& s) { RunMoveGroup(s, true); }},
    {"move group down", [](Step& s) { return GroupRows(s) > 1 ? 2 : 0; }, [](Step& s) { RunMoveGroup(s, false); }},
    {"drag", [](Step& s) { return GroupRows(s) > 1 || ChroRows(s) > 1 ? 4 : 0; }, &RunDrag},
    {"right-click", [](Step& s) { return GroupRows(s) > 0 && s.Group() >= 0 ? 2 : 0; }, &RunRightClick},
    {"save", [](Step&) { return 3; }, &RunSave},
    {"save as", [](Step&) { return 2; }, &RunSaveAs},
    {"failed save", &WeightFailedSave, &RunFailedSave},
    {"new", &Always, &RunNew},
    {"open", &WeightOpen, &RunOpen},
    {"another writer replaces the file", &WeightReplaceFile, &RunReplaceFile},
    {"the process ends and starts again", [](Step&) { return 2; }, &RunRestart},
};
}   // namespace

GroupModel* Step::SelectedGroup()
{
    const int g = Group();
    if (g < 0 || g >= static_cast<int>(expected.list.groups.size()))
        return nullptr;
    return &expected.list.groups[static_cast<size_t>(g)];
}

const std::vector<Action>& Actions()
{
    return kActions;
}
}   // namespace walk
