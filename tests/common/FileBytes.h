// Whole files as byte strings, for the tests of every tier.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

// The file's bytes; empty when it is missing.
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
