#pragma once

#include "CEditStep.h"

// What the list document needs of whatever shows it: where the two lists stand before a
// step, and showing the list after a step was applied or undone.
class CEditDisplay {
public:
    virtual ~CEditDisplay() = default;

    // The selection of both lists as it stands.
    virtual SListSelection CurrentSelection() = 0;
    // The lists, selection and title after a step, showing sel; reach says what the step
    // changed.
    virtual void ShowEdit(const SEditReach& reach, const SListSelection& sel) = 0;
};
