#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "controller/Locations.h"

namespace tolvane::fuzzing {

// A temporary home folder for the whole run, given to the controller as its locations, so that a
// target never writes below the real one; scripts/fuzz points TMPDIR at a folder it removes
// afterwards.
inline const std::filesystem::path& fuzzHome() {
    static const std::filesystem::path home = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-fuzz-XXXXXX");
        if (!::mkdtemp(pattern.data())) std::abort();
        return std::filesystem::path(pattern);
    }();
    return home;
}

inline Locations fuzzLocations() {
    return {
        (fuzzHome() / "Library/Application Support/Adobe/Flash Media Live Encoder 3.2").string(),
        (fuzzHome() / "Library/Preferences/com.allocinit.CamTwist.plist").string()};
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
