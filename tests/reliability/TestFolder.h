#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A fresh folder for one test, removed with what it holds.
class Folder {
public:
    Folder()
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        m_path = std::string(temp) + "vtrel" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(s_count++);
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~Folder()
    {
        for (const std::string& name : Files()) {
            SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(Path(name).c_str());
        }
        RemoveDirectoryA(m_path.c_str());
    }
    std::string Path(const std::string& name) const { return m_path + "\\" + name; }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA(Path("*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        } while (FindNextFileA(find, &found));
        FindClose(find);
        return names;
    }

private:
    static inline int s_count = 0;
    std::string m_path;
};
