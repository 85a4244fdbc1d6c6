#pragma once

#include <string>

// A list file and registry values that make the tool start with it: Visible and Automate on,
// one checked group (range 2:15; TIC function 1 checked, BPI function 2 not, MASS 556.3
// function 1 checked), loaded at start-up as the most recent file.
namespace ToolList {
// Writes the file into the temporary folder and the registry values; the file's path.
std::string Prepare();
// The display commands a launch of that group sends, in order.
const char* const kLaunchCommands[] = {
    "app.command[chrodisplay:range](2:15)",
    "app.command[chrodisplay:clear]()",
    "app.command[chrodisplay:newwindow](TIC:1)",
    "app.command[chrodisplay:add](MASS:556.3:1)",
};
}   // namespace ToolList
