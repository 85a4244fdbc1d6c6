#pragma once

// The walk's file actions (see WalkFileActions.cpp), for the table of actions.
#include "WalkActions.h"

namespace walk {
void RunSave(Step& s);
void RunSaveAs(Step& s);
int WeightFailedSave(Step& s);
void RunFailedSave(Step& s);
void RunNew(Step& s);
int WeightOpen(Step& s);
void RunOpen(Step& s);
int WeightReplaceFile(Step& s);
void RunReplaceFile(Step& s);
void RunRestart(Step& s);
}   // namespace walk
