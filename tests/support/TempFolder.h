#pragma once

#include <string>
#include <vector>

// A fresh folder under the temporary folder for one test, removed with what it holds.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Folder() const { return m_path; }
    std::string Path(const std::string& name) const { return m_path + "\\" + name; }
    // Names of the files in the folder.
    std::vector<std::string> Files() const;
    // Removes every file, read-only ones too.
    void Clear() const;

private:
    std::string m_path;
};
