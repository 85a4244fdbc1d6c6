#pragma once

#include <string>

// A whole file's bytes, read and written as they are.
// False (and bytes empty) when the file cannot be read.
bool ReadBytes(const std::string& path, std::string& bytes);
// The bytes, or empty when the file cannot be read.
std::string ReadBytes(const std::string& path);
// Replaces the file with the bytes; false when it cannot be written.
bool WriteBytes(const std::string& path, const std::string& bytes);
