#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tolvane::fuzzing {

// A temporary home folder for the whole run, so that a target never writes below the real one;
// scripts/fuzz points TMPDIR at a folder it removes afterwards.
inline const std::filesystem::path& fuzzHome() {
    static const std::filesystem::path home = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-fuzz-XXXXXX");
        if (!::mkdtemp(pattern.data())) std::abort();
        ::setenv("HOME", pattern.c_str(), 1);
        return std::filesystem::path(pattern);
    }();
    return home;
}

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

}  // namespace tolvane::fuzzing
