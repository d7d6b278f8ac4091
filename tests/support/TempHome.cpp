#include "support/TempHome.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tolvane::testing {

TempHome::TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-home-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    if (const char* home = std::getenv("HOME")) {
        hadHome_ = true;
        previousHome_ = home;
    }
    setenv("HOME", path_.c_str(), 1);
}

TempHome::~TempHome() {
    if (hadHome_) {
        setenv("HOME", previousHome_.c_str(), 1);
    } else {
        unsetenv("HOME");
    }
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempHome::profileFolder() const {
    auto folder = path_ / "Library/Application Support/Adobe/Flash Media Live Encoder 3.2";
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path TempHome::preferencesFolder() const {
    auto folder = path_ / "Library/Preferences";
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path TempHome::write(const std::filesystem::path& relative,
                                      const std::string& bytes) const {
    const auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::size_t entryCount(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

std::string fixture(const std::string& name) {
    return readFile(std::filesystem::path(TOLVANE_FIXTURES) / name);
}

}  // namespace tolvane::testing
