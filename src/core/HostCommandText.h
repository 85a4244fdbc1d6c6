#pragma once

#include "CChromatogramData.h"

#include <string>

// The texts of the host's display commands, "app.command[name](argument)". Plain C++: the
// display link sends them, the launch checks them before it sends.
namespace host_command {
// "app.command[name](argument)", or "app.command[name]()" when argument is null.
std::string Text(const char* name, const char* argument);
// The trace text of a record: "TIC:1", "MASS:556.3:DAD", "ANALOG2", or empty.
std::string TraceText(const CChromatogramData& rec);
// The show-one-chromatogram text for the record in the given window kind
// ("app.command[chrodisplay:newwindow](TIC:1)").
std::string DisplayText(const CChromatogramData& rec, const char* kind);
// Whether a text may stand inside a command: no brackets, no parentheses, no control
// characters, so that it cannot end the command or start another.
bool IsSafeField(const std::string& text);
}   // namespace host_command
