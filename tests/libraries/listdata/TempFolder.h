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

    std::string Path(const std::string& name) const { return m_path + "\\" + name; }
    // Names of the files in the folder.
    std::vector<std::string> Files() const;

private:
    std::string m_path;
};

bool WriteBytes(const std::string& path, const std::string& bytes);
bool ReadBytes(const std::string& path, std::string& bytes);
