#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

// The full paths of the files a WM_DROPFILES carries, in the order given; the drop's memory is
// released (DragFinish), so the HDROP must not be used after. A window takes drops when it has
// the WS_EX_ACCEPTFILES style, which is what DragAcceptFiles sets.
std::vector<std::string> TakeDroppedFiles(HDROP drop);
