#pragma once

#include "CRecoveryStore.h"

#include <windows.h>

#include <functional>

class CListManager;

// The question put when the tool is first shown: for each recovery file of an ended process,
// newest first, whether to restore the list it holds. Yes hands the list to the document; No
// removes the file; a damaged file is removed with a message.
class CRecoveryOffer {
public:
    // Takes the restored list (by swapping it into its own) with the header's path and name;
    // false when it did not (the user kept the list shown), which keeps the file for later.
    using Restore = std::function<bool(const SRecoveryHeader& header, CListManager& list)>;

    // The number of lists restored.
    static int Run(HWND owner, const CRecoveryStore& store, const Restore& restore);
    // The name the question shows: the list's, or "Untitled.vtl" for a list never saved.
    static std::string ShownName(const SRecoveryHeader& header);
};
