#pragma once

#include <filesystem>
#include <string>

#include "controller/Locations.h"

namespace tolvane::testing {

// A fresh home folder for one test, removed afterwards: the controller is given its locations,
// so no test ever sees or touches the real home.
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
    // FMLE's and CamTwist's places under this home, as the controller takes them.
    Locations locations() const;
    // Writes a file below the home folder, creating its folders.
    std::filesystem::path write(const std::filesystem::path& relative,
                                const std::string& bytes) const;

  private:
    std::filesystem::path folder(const char* relative) const;

    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& path);
// How many entries a folder holds, hidden ones included.
std::size_t entryCount(const std::filesystem::path& folder);
// The bytes of a file under tests/fixtures.
std::string fixture(const std::string& name);

}  // namespace tolvane::testing
