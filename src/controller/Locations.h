#pragma once

#include <string>

namespace tolvane {

// Where the two programs keep their files. Given to the controller like the file layer, so that
// tests point it at a folder of their own.
struct Locations {
    std::string profileFolder;        // FMLE's profile folder
    std::string camTwistPreferences;  // CamTwist's preference file

    // The places FMLE and CamTwist use, under the user's home folder.
    static Locations inHome();
};

}  // namespace tolvane
