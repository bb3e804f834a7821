#pragma once

// Folders and files of the Quillet tests, which run without the program's test support.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A new empty folder under /tmp whose name starts with the prefix; empty on failure.
inline std::filesystem::path makeTemporaryFolder(const std::string& prefix)
{
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    if (!mkdtemp(pattern.data())) return {};
    return pattern;
}

inline std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
