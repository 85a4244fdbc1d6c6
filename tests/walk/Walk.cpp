#include "Walk.h"

#include "WalkActions.h"
#include "WorkspaceFixture.h"

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
        std::string text = "walk seed " + std::to_string(seed) + " broke at step " + std::to_string(step) + ":\n" +
                           what + "\nlast actions:\n";
        for (const std::string& line : recent)
            text += "  " + line + "\n";
        return text;
    };
    if (std::string broken = ui.Check(model); !broken.empty())
        return report(0, broken);
    for (int number = 1; number <= steps; ++number) {
        Step step{ui, rng, model, number, "", "", false};
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
            step.expected.modified = model.modified || ui.Data().m_bModified;
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
    if (progressEvery > 0) {
        std::printf("walk seed %llu: %d steps in %lu s; actions taken:\n", static_cast<unsigned long long>(seed),
                    steps, (GetTickCount() - started) / 1000);
        for (size_t i = 0; i < actions.size(); ++i)
            std::printf("  %6d %s\n", taken[i], actions[i].name);
        std::printf("final list:\n%s", Describe(model.list).c_str());
    }
    return "";
}
}  // namespace walk
