#include "Walk.h"

#include "WalkActions.h"
#include "WorkspaceFixture.h"
#include "resource.h"

#include <cstdio>
#include <deque>

namespace walk {
std::string RunWalk(WalkDriver& ui, std::uint64_t seed, int steps, int progressEvery)
{
    Rng rng(seed);
    ModelState model;
    std::deque<std::string> recent;
    const std::vector<Action>& actions = Actions();
    const DWORD started = GetTickCount();
    std::vector<int> taken(actions.size(), 0);
    auto report = [&](int step, const std::string& what) {
        std::string text = "walk seed " + std::to_string(seed) + " broke at step " + std::to_string(step) + ":\n" + what
                           + "\nlast actions:\n";
        for (const std::string& line : recent)
            text += "  " + line + "\n";
        return text;
    };
    if (std::string broken = ui.Check(model); !broken.empty())
        return report(0, broken);
    for (int number = 1; number <= steps; ++number) {
        Step step{ui, rng, model, number, "", "", false, false};
        int total = 0;
        std::vector<int> weights;
        for (const Action& action : actions) {
            weights.push_back(action.weight(step));
            total += weights.back();
        }
        int pick = rng.Below(total);
        size_t chosen = 0;
        while (pick >= weights[chosen])
            pick -= weights[chosen++];
        const Action& action = actions[chosen];
        ++taken[chosen];
        action.run(step);
        ui.Idle();
        recent.push_back(std::to_string(number) + " " + action.name + (step.did.empty() ? "" : ": " + step.did));
        if (recent.size() > 20)
            recent.pop_front();
        if (step.unchangedEditMayMark)
            step.expected.modified = model.modified || ui.View().Document().IsModified();
        // Every change of the list within one load is a step that Undo takes back.
        if (!step.historyMoved && step.expected.loads == model.loads && !(step.expected.list == model.list))
            step.expected.Edited(model.list);
        model = step.expected;
        const std::string broken = step.problem.empty() ? ui.Check(model) : step.problem;
        if (!broken.empty())
            return report(number, broken);
        if (progressEvery > 0 && number % progressEvery == 0) {
            std::printf("walk seed %llu: %d steps, %lu s\n", static_cast<unsigned long long>(seed), number,
                        (GetTickCount() - started) / 1000);
            std::fflush(stdout);
        }
    }
    // Undo until nothing is left gives back the list as loaded; Redo until nothing is left
    // the list before the undos (and before any the walk ended with).
    const ListData before = model.redo.empty() ? model.list : model.redo.front().after;
    for (const bool undo : {true, false}) {
        for (int number = steps + 1; !(undo ? model.undo : model.redo).empty(); ++number) {
            Step step{ui, rng, model, number, "", "", false, false};
            RunUndoRedo(step, undo);
            recent.push_back(std::to_string(number) + (undo ? " undo at the end" : " redo at the end"));
            if (recent.size() > 20)
                recent.pop_front();
            model = step.expected;
            const std::string broken = step.problem.empty() ? ui.Check(model) : step.problem;
            if (!broken.empty())
                return report(number, broken);
        }
        const ListData& wanted = undo ? model.loaded : before;
        if (!(undo && model.trimmed) && !(model.list == wanted))
            return report(steps, std::string(undo ? "Undo to the end" : "Redo to the end") + " gave\n"
                                     + Describe(model.list) + "instead of\n" + Describe(wanted));
        if (ui.Enabled(undo ? ID_EDIT_UNDO : ID_EDIT_REDO))
            return report(steps, std::string(undo ? "Undo" : "Redo") + " is enabled with nothing left\n");
    }
    if (progressEvery > 0) {
        std::printf("walk seed %llu: %d steps in %lu s; actions taken:\n", static_cast<unsigned long long>(seed), steps,
                    (GetTickCount() - started) / 1000);
        for (size_t i = 0; i < actions.size(); ++i)
            std::printf("  %6d %s\n", taken[i], actions[i].name);
        std::printf("final list:\n%s", Describe(model.list).c_str());
    }
    return "";
}
}   // namespace walk
