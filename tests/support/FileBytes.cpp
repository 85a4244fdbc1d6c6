#include "FileBytes.h"

#include <fstream>
#include <iterator>

bool ReadBytes(const std::string& path, std::string& bytes)
{
    bytes.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    ReadBytes(path, bytes);
    return bytes;
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}
