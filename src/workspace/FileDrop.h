#pragma once

#include <string>
#include <vector>

class CListFiles;
class CTransferCommands;
class CWorkspaceView;

// Files dropped onto the workspace. A list file (.vtl) opens as Open would, with the save
// prompt for a modified list; tables (.csv, .tsv, .txt) go one after another through Import's
// preview, and a preview cancelled (or a file refused) ends the drop there. A list replaces
// the whole workspace, so of a drop that holds list files only the first opens and the rest
// of the drop is left alone, which the status bar says. A file of any other kind refuses the
// whole drop with a message before anything changes.
void OpenDroppedFiles(const std::vector<std::string>& paths, CListFiles& files, CTransferCommands& transfer,
                      CWorkspaceView& view);
