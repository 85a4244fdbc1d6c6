#pragma once

#include "CSettingsStore.h"

// The tool's five options (Visible, Mini, Automate, Group, Chromatogram) with typed accessors,
// and the adduct Mass from Formula used last. A setter of the five writes the registry when
// the value changes, so a tool that is killed or loses power starts again with them.
class CAppOptions : public CSettingsStore {
public:
    enum OptionId : int {
        OPTION_MINI = 100,
        OPTION_GROUP = 200,
        OPTION_CHROMATOGRAM = 300,
        OPTION_VISIBLE = 400,
        OPTION_AUTOMATE = 500,
    };

    CAppOptions() = default;

    void DefineEntries() override;

    // The getters store the value in the caller's variable (when given) and return it.
    bool GetVisible(bool* visible);
    // Writes every option used in this run.
    void SetVisible(bool visible);
    bool GetMini(bool* mini);
    void SetMini(bool mini);
    bool GetAutomate(bool* automate);
    // Writes every option used in this run.
    void SetAutomate(bool automate);
    int GetGroup(int* group);
    void SetGroup(int group);
    int GetChromatogram(int* chromatogram);
    void SetChromatogram(int chromatogram);
    // The registry value "FormulaAdduct" (text), read at every call; "[M+H]+" when it is
    // missing, empty or too long to be one.
    std::string GetFormulaAdduct() const;
    // Writes the registry at once.
    void SetFormulaAdduct(const std::string& adduct);

private:
    bool GetBoolInto(int id, bool* value);
    int GetIntInto(int id, int* value);
};
