#include "WalkAnswers.h"

#include "DialogDriver.h"
#include "resource.h"

namespace walk {
std::string Name(Step& s, const char* prefix)
{
    if (s.rng.Chance(8))
        return "";
    const std::string base = prefix + std::to_string(s.number);
    switch (s.rng.Below(8)) {
    case 0:
        return base + " \"q\"";
    case 1:
        return base + "\tt";
    case 2:
        return base + " \xE9";
    default:
        return base;
    }
}

Window ChroWindow(const std::string& caption, const ChroInput& input, int startType, bool ok)
{
    auto action = [input, startType](HWND d) {
        auto changeType = [&] {
            if (input.typeByKeys) {
                for (int type = startType; type < input.type; ++type)
                    drive::PressKey(d, IDC_CHRO_TYPE, VK_DOWN);
                for (int type = startType; type > input.type; --type)
                    drive::PressKey(d, IDC_CHRO_TYPE, VK_UP);
            } else if (input.type != startType) {
                drive::Choose(d, IDC_CHRO_TYPE, input.type);
            }
        };
        auto typeFields = [&] {
            drive::SetText(d, IDC_CHRO_NAME, input.name);
            if (!input.function.empty())
                drive::SetText(d, IDC_FUNCTION, input.function);
        };
        if (input.fieldsFirst) {
            typeFields();
            changeType();
        } else {
            changeType();
            typeFields();
        }
        if (!input.mass.empty())
            drive::SetText(d, IDC_CHRO_MASS, input.mass);
        if (input.channel)
            drive::Choose(d, IDC_CHANNEL, input.channel - 1);
    };
    return {caption, ok ? IDOK : IDCANCEL, action, ""};
}

ChroInput RandomChroInput(Step& s)
{
    ChroInput input;
    input.name = Name(s, "C");
    input.type = s.rng.Below(4);
    if (s.rng.Chance(60))
        input.function = std::to_string(s.rng.Below(600));
    if (input.type == 2 && s.rng.Chance(80))
        input.mass = std::to_string(100 + s.rng.Below(900)) + "." + std::to_string(s.rng.Below(10));
    if (input.type == 3 && s.rng.Chance(70))
        input.channel = 1 + s.rng.Below(4);
    input.typeByKeys = s.rng.Chance(40);
    input.fieldsFirst = s.rng.Chance(50);
    return input;
}

std::vector<Window> GroupWindows(Step& s, const std::string& caption, const GroupInput& input, bool& ok)
{
    auto fill = [](GroupInput in) {
        return [in](HWND d) {
            drive::SetText(d, IDC_GROUP_NAME, in.name);
            drive::SetText(d, IDC_GROUP_COMMENT, in.comment);
            const int buttons[] = {IDC_RANGE_USE_CURRENT, IDC_RANGE_RESET, IDC_RANGE_SPECIFY};
            drive::Click(d, buttons[in.rangeMode]);
            if (in.rangeMode == 2) {
                drive::SetText(d, IDC_START_X, in.start);
                drive::SetText(d, IDC_END_X, in.end);
            }
        };
    };
    ok = !s.rng.Chance(15);
    if (input.rangeMode != 2 || !ok || !s.rng.Chance(30))
        return {{caption, ok ? IDOK : IDCANCEL, fill(input), ""}};
    // A refused range first: start not below end, or pasted text that is no number.
    GroupInput bad = input;
    const std::pair<const char*, const char*> refused[] = {{"9", "9"},   {"12", "3"}, {"1.5", "1.9"},
                                                           {"1:2", "9"}, {"-5", "9"}, {"2", "8a"}};
    const auto& pick = refused[s.rng.Below(static_cast<int>(std::size(refused)))];
    bad.start = pick.first;
    bad.end = pick.second;
    std::vector<Window> windows{{caption, IDOK, fill(bad), ""},
                                {"Invalid Range", IDOK, {}, "Please enter a valid range."}};
    ok = !s.rng.Chance(30);
    windows.push_back({caption, ok ? IDOK : IDCANCEL, fill(input), ""});
    return windows;
}

GroupInput RandomGroupInput(Step& s)
{
    GroupInput input;
    input.name = Name(s, "G");
    input.comment = s.rng.Chance(30) ? "" : "note " + std::to_string(s.rng.Below(1000));
    input.rangeMode = s.rng.Below(3);
    if (input.rangeMode == 2) {
        const int start = s.rng.Below(50);
        input.start = s.rng.Chance(10) ? "" : std::to_string(start) + (s.rng.Chance(30) ? ".5" : "");
        input.end = std::to_string(start + 1 + s.rng.Below(50));
    }
    return input;
}

}   // namespace walk
