#include "support/TempHome.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tolvane::testing {

namespace fs = std::filesystem;

TempHome::TempHome() {
    std::string pattern = (fs::temp_directory_path() / "tolvane-home-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempHome::~TempHome() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path TempHome::folder(const char* relative) const {
    fs::create_directories(path_ / relative);
    return path_ / relative;
}

Locations TempHome::locations() const {
    return {(path_ / "Library/Application Support/Adobe/Flash Media Live Encoder 3.2").string(),
            (path_ / "Library/Preferences/com.allocinit.CamTwist.plist").string()};
}

fs::path TempHome::write(const fs::path& relative, const std::string& bytes) const {
    const fs::path file = path_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

std::string readFile(const fs::path& path) {
    std::ostringstream content;  // empty for a folder or a missing file
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

std::size_t entryCount(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

std::string fixture(const std::string& name) {
    return readFile(fs::path(TOLVANE_FIXTURES) / name);
}

}  // namespace tolvane::testing
