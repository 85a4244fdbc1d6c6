#pragma once

#include "CListManager.h"

#include <string>

// Deterministic lists for the reliability tests: the same seed and size always give the
// same records, ids and file bytes, in the test and in its child processes.
namespace SampleLists {
// Fills an empty manager with groups, each holding chromatograms, every text seeded.
void Build(CListManager& lists, int seed, int groups, int chrosPerGroup);
// The bytes a save of the list writes, through a file in the temporary folder.
bool FileBytes(const CListManager& lists, std::string& bytes);
}   // namespace SampleLists
