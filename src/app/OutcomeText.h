#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

#include "platform/Outcome.h"

namespace tolvane {

// The actions that touch a user's file.
enum class FileAction {
    openProfile,
    saveProfile,
    removeProfile,
    saveCamTwist,
    importProfile,
    exportProfile,
    restoreProfile
};

// Says in one plain line what an action did with a user's file, for the status bar, and what
// start-up found where it looked.
class OutcomeText {
    Q_DECLARE_TR_FUNCTIONS(OutcomeText)

  public:
    static QString of(FileAction action, const Outcome& outcome);
    // Why there is no profile to choose: the folder could not be listed, or holds none.
    static QString noProfiles(const std::string& folder, const std::optional<Outcome>& failure);
    // Why CamTwist's settings were not read at start.
    static QString camTwistNotRead(const Outcome& failure);
    // A path as a user knows it: the home folder written as "~".
    static QString userPath(const std::string& path);
    // The name of the profile a profile file holds: its file name less ".xml".
    static QString profileName(const std::string& path);
};

}  // namespace tolvane
