#pragma once

// How the walk answers the two detail dialogs: random inputs and the actions that type and
// choose them through the dialogs' controls.
#include "WalkActions.h"

#include <string>
#include <vector>

namespace walk {
// A name: mostly plain, sometimes with characters a list file has to escape, sometimes empty.
std::string Name(Step& s, const char* prefix);

ChroInput RandomChroInput(Step& s);
// The Chromatogram Details dialog answered with input; its type box starts at startType.
Window ChroWindow(const std::string& caption, const ChroInput& input, int startType, bool ok);

GroupInput RandomGroupInput(Step& s);
// The Group Details dialog answered with input, sometimes first with a range it refuses.
// ok tells whether the dialog ends with OK.
std::vector<Window> GroupWindows(Step& s, const std::string& caption, const GroupInput& input, bool& ok);
}   // namespace walk
