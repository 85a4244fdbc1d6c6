#pragma once

// The user actions of the walk, as a table: each has a name, a weight (0 when a user could
// not take it now) and a run that drives the real workspace and applies the same change to
// the expected model. New actions (Undo, Redo) are new rows.
#include "ListModel.h"
#include "WalkDriver.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace walk {
// A random source that gives the same numbers for a seed on every library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_engine(seed) {}
    // 0 to n - 1 (0 when n is 0).
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(m_engine() % static_cast<std::uint64_t>(n)); }
    // True with the chance percent / 100.
    bool Chance(int percent) { return Below(100) < percent; }

private:
    std::mt19937_64 m_engine;
};

// One step: the real workspace, the random source, the model as it should be after the
// step (a copy of the one before, changed by the action), what was done and what went wrong.
struct Step {
    WalkDriver& ui;
    Rng& rng;
    ModelState expected;
    int number = 0;
    std::string did;                     // what the action did, for the report
    std::string problem;                 // empty while all goes as expected
    bool unchangedEditMayMark = false;   // an OK'd edit that changed nothing may or may not mark
    bool historyMoved = false;           // an Undo or Redo: the list changed, but by no new step

    int Group() const { return WalkDriver::Selected(ui.GroupList()); }
    int Chro() const { return WalkDriver::Selected(ui.ChroList()); }
    GroupModel* SelectedGroup();
};

struct Action {
    const char* name;
    int (*weight)(Step&);
    void (*run)(Step&);
};

const std::vector<Action>& Actions();
// Undo (or Redo) through the menu command or its keys, the model following its own history.
void RunUndoRedo(Step& s, bool undo);
}   // namespace walk
