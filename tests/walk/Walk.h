#pragma once

#include "WalkDriver.h"

#include <cstdint>
#include <string>

namespace walk {
// Walks `steps` random user actions from `seed` over the workspace, checking every invariant
// after each. Empty when all held; else the seed, the step, what broke and the last actions.
// progressEvery > 0 prints a line every that many steps.
std::string RunWalk(WalkDriver& ui, std::uint64_t seed, int steps, int progressEvery = 0);
}   // namespace walk
