#include "FileDrop.h"

#include "CListFiles.h"
#include "CTransferCommands.h"
#include "CWinApp.h"
#include "CWorkspaceView.h"
#include "CommandSupport.h"
#include "resource.h"

#include <algorithm>
#include <cstring>

namespace {
bool IsTablePath(const std::string& path)
{
    const size_t dot = path.find_last_of("./\\");
    if (dot == std::string::npos || path[dot] != '.')
        return false;
    const char* ext = path.c_str() + dot + 1;
    return _stricmp(ext, "csv") == 0 || _stricmp(ext, "tsv") == 0 || _stricmp(ext, "txt") == 0;
}
}   // namespace

void OpenDroppedFiles(const std::vector<std::string>& paths, CListFiles& files, CTransferCommands& transfer,
                      CWorkspaceView& view)
{
    const auto unknown = std::find_if(paths.begin(), paths.end(), [](const std::string& path) {
        return !CListFiles::IsListPath(path) && !IsTablePath(path);
    });
    if (unknown != paths.end()) {
        ShowNote(TextWith(IDS_DROP_UNKNOWN_FILE, *unknown), IDS_CAPTION_FILE_ERROR);
        return;
    }
    const auto list = std::find_if(paths.begin(), paths.end(), &CListFiles::IsListPath);
    if (list != paths.end()) {
        files.OpenPath(*list);
        if (paths.size() > 1)
            view.SetStatusText(LoadResourceString(IDS_DROP_FIRST_LIST_ONLY));
        return;
    }
    for (const std::string& path : paths) {
        if (!transfer.ImportFile(path))
            return;
    }
}
