#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
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

// Empties the home folder, so that an input meets the same files whatever ran before it.
inline void clearHome() {
    for (const auto& entry : std::filesystem::directory_iterator(fuzzHome()))
        std::filesystem::remove_all(entry.path());
}

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

inline std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace tolvane::fuzzing
