#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tolvane::testing {

// A fresh home folder for one test: HOME points at it while the object lives, and it is removed
// afterwards, so no test ever sees or touches the real one.
class TempHome {
  public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The FMLE profile folder and CamTwist's preference folder under this home; created on call.
    std::filesystem::path profileFolder() const {
        return folder("Library/Application Support/Adobe/Flash Media Live Encoder 3.2");
    }
    std::filesystem::path preferencesFolder() const { return folder("Library/Preferences"); }
    // Writes a file below the home folder, creating its folders.
    std::filesystem::path write(const std::filesystem::path& relative,
                                const std::string& bytes) const;

  private:
    std::filesystem::path folder(const char* relative) const;

    std::filesystem::path path_;
    std::optional<std::string> previousHome_;
};

std::string readFile(const std::filesystem::path& path);
// How many entries a folder holds, hidden ones included.
std::size_t entryCount(const std::filesystem::path& folder);
// The bytes of a file under tests/fixtures.
std::string fixture(const std::string& name);

}  // namespace tolvane::testing
