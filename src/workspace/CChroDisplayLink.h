#pragma once

#include "CChromatogramData.h"

#include <string>

// Hands the host's chromatogram display commands (texts made by host_command) to the host
// scripting library. Holds no data; one instance lives on the stack for each launch.
class CChroDisplayLink {
public:
    CChroDisplayLink() = default;
    virtual ~CChroDisplayLink() = default;

    // The time-out handed to the host library with every command.
    static constexpr int kHostTimeout = 10000;

    // Sends "app.command[name](argument)", or "app.command[name]()" when argument is null.
    // False when the host does not run, refuses the command, or a field holds a character
    // of the command grammar or a control character (then nothing is sent).
    static bool SendHostCommand(const char* command, const char* argument);

    bool ClearDisplay();
    // The range text "start:end", or null to reset the display to its default range.
    bool SetDisplayRange(const char* range);
    // The show-one-chromatogram text for the record in the given window kind.
    bool BuildDisplayCommand(CChromatogramData rec, std::string& text, const char* kind);
    // Shows the record in the host's display; true when the host accepted it.
    bool LaunchChromatogram(CChromatogramData rec, const char* kind);
};
