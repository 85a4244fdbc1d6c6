#include "DroppedFiles.h"

std::vector<std::string> TakeDroppedFiles(HDROP drop)
{
    std::vector<std::string> paths;
    if (!drop)
        return paths;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length, '\0');
        if (length > 0 && DragQueryFileA(drop, i, path.data(), length + 1) == length)
            paths.push_back(std::move(path));
    }
    DragFinish(drop);
    return paths;
}
