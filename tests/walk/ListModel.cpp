#include "ListModel.h"

namespace walk {
namespace {
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Leading digits as a number, as the dialogs read their boxes (the walk types small numbers).
int LeadingNumber(const std::string& text)
{
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsNumber(const std::string& text)
{
    int points = 0;
    for (char c : text) {
        if (c == '.')
            ++points;
        else if (!IsDigit(c))
            return false;
    }
    return points <= 1;
}
}   // namespace

int ListData::CheckedCount() const
{
    int count = 0;
    for (const GroupModel& group : groups)
        count += group.checked ? 1 : 0;
    return count;
}

void ListData::CheckOnly(size_t group)
{
    for (size_t i = 0; i < groups.size(); ++i)
        groups[i].checked = i == group;
}

void ModelState::Edited(const ListData& before)
{
    redo.clear();
    undo.push_back({before, list, nextState});
    state = nextState++;
    if (undo.size() > kHistoryLimit) {
        base = undo.front().state;
        undo.pop_front();
        trimmed = true;
    }
    modified = state != saved;
}

void ModelState::Forget()
{
    undo.clear();
    redo.clear();
    state = base = saved = nextState++;
    ++loads;
    loaded = list;
    trimmed = false;
    modified = false;
    fileReplaced = false;
}

void ModelState::Undo()
{
    list = undo.back().before;
    redo.push_back(undo.back());
    undo.pop_back();
    state = undo.empty() ? base : undo.back().state;
    modified = state != saved;
}

void ModelState::Redo()
{
    list = redo.back().after;
    undo.push_back(redo.back());
    redo.pop_back();
    state = undo.back().state;
    modified = state != saved;
}

void ModelState::Saved(const std::string& path, const std::string& name)
{
    saved = state;
    pathName = path;
    fileName = name;
    modified = false;
    fileReplaced = false;
    files[path] = list;
}

void ModelState::Cleared()
{
    list = ListData();
    fileName = "Untitled.vtl";
    Forget();
}

ChroModel ChroDialogResult(const ChroModel& start, const ChroInput& input)
{
    ChroModel result = start;
    result.name = input.name;
    result.type = input.type;
    const std::string function = input.function.empty() ? std::to_string(start.function) : input.function;
    if (input.type <= 2)
        result.function = LeadingNumber(function);
    if (input.type == 2 && !input.mass.empty())
        result.mass = input.mass;
    if (input.type == 3 && input.channel != 0)
        result.analogue = input.channel;
    switch (input.type) {
    case 0:
        result.description = "Function: " + function + ", TIC";
        break;
    case 1:
        result.description = "Function: " + function + ", BPI";
        break;
    case 3:
        result.description = "ANALOG" + std::to_string(result.analogue);
        break;
    default:
        result.description = "Function: " + function + ", MASS: " + result.mass;
        break;
    }
    return result;
}

bool RangeAccepted(const GroupInput& input)
{
    return IsNumber(input.start) && IsNumber(input.end) && LeadingNumber(input.start) < LeadingNumber(input.end);
}

GroupModel GroupDialogResult(const GroupModel& start, const GroupInput& input)
{
    GroupModel result = start;
    result.name = input.name;
    result.comment = input.comment;
    result.rangeMode = input.rangeMode;
    // The dialog holds a range only from a record in mode 2, or from its own mode-2 OK.
    if (input.rangeMode == 2)
        result.range = input.start + ":" + input.end;
    else if (start.rangeMode != 2)
        result.range.clear();
    return result;
}

std::string Describe(const ListData& list)
{
    std::string text;
    for (const GroupModel& group : list.groups) {
        text += (group.checked ? "[x] " : "[ ] ") + group.name + " (" + group.comment + "):";
        for (const ChroModel& chro : group.chros)
            text += " " + std::string(chro.checked ? "+" : "-") + chro.name + "{" + chro.description + "}";
        text += "\n";
    }
    return text.empty() ? "(empty)\n" : text;
}
}   // namespace walk
