#include "CRecoveryOffer.h"

#include "AppCaption.h"
#include "CommandSupport.h"
#include "CListManager.h"
#include "CWinApp.h"
#include "MessageBox.h"
#include "resource.h"

#include <vector>

std::string CRecoveryOffer::ShownName(const SRecoveryHeader& header)
{
    return header.listName.empty() ? LoadResourceString(IDS_UNTITLED) + ".vtl" : header.listName;
}

int CRecoveryOffer::Run(HWND owner, const CRecoveryStore& store, const Restore& restore)
{
    int restored = 0;
    for (const SRecoveryFile& file : store.ListOrphans()) {
        SRecoveryHeader header;
        CListManager list;
        if (file.damaged || !CRecoveryStore::Read(file.path, header, list)) {
            CRecoveryStore::Remove(file.path);
            ShowMessageBox(owner, LoadResourceString(IDS_RECOVERY_DAMAGED).c_str(), kAppCaption,
                           MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        const std::string question = TextWith(IDS_RECOVERY_OFFER, ShownName(header));
        if (ShowMessageBox(owner, question.c_str(), kAppCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            CRecoveryStore::Remove(file.path);
            continue;
        }
        if (restore(header, list)) {
            CRecoveryStore::Remove(file.path);
            ++restored;
        }
    }
    return restored;
}
