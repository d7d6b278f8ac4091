#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "platform/Outcome.h"

namespace tolvane {

// The actions that touch a user's file.
enum class FileAction { saveProfile, removeProfile, saveCamTwist };

// Says in one plain line what an action did with a user's file, for the status bar.
class OutcomeText {
    Q_DECLARE_TR_FUNCTIONS(OutcomeText)

  public:
    static QString of(FileAction action, const Outcome& outcome);
    // A path as a user knows it: the home folder written as "~".
    static QString userPath(const std::string& path);
    // The name of the profile a profile file holds: its file name less ".xml".
    static QString profileName(const std::string& path);
};

}  // namespace tolvane
