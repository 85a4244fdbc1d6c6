#pragma once

#include <string>

// What the Chromatogram Details dialog offers and how it describes a chromatogram, for the
// dialog and for anything else that makes chromatograms the way the dialog does. Plain C++.
namespace chro_rules {
constexpr int kTypeTic = 0;
constexpr int kTypeBpi = 1;
constexpr int kTypeMass = 2;
constexpr int kTypeAnalogue = 3;
constexpr int kFunctionMin = 0;   // the function box's up-down range
constexpr int kFunctionMax = 512;
constexpr int kChannelMin = 1;   // the channel box's items
constexpr int kChannelMax = 4;

// The description the dialog writes on OK: from the type, the function box's text, the
// mass and the record's channel, which is the one the launch sends ("Function: 2, BPI",
// "Function: 1, MASS: 128.1", "ANALOG3"). A type outside 0 to 3 is described as a mass.
std::string Describe(int type, const std::string& functionText, const std::string& mass, int channel);
}   // namespace chro_rules
