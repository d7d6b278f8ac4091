#include "app/OutcomeText.h"

#include <QDir>
#include <QFileInfo>
#include <cstring>

#include "app/Text.h"

namespace tolvane {
namespace {

QString fileName(const std::string& path) {
    return quoted(QFileInfo(decoded(path)).fileName());
}

// The element path without the root every profile element sits under.
QString elementPath(const std::string& detail) {
    QString path = QString::fromStdString(detail);
    const QString root = QStringLiteral("/flashmedialiveencoder_profile/");
    if (path.startsWith(root)) path.remove(0, root.size());
    return path;
}

QString withTilde(QString path) {
    const QString home = QDir::homePath();
    if (home.size() > 1 && path.startsWith(home + '/')) path.replace(0, home.size(), QChar('~'));
    return path;
}

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why a profile did not open.
QString notOpened(const Outcome& outcome) {
    using Kind = Outcome::Kind;
    const QString file = fileName(outcome.path);
    QString why;
    switch (outcome.kind) {
        case Kind::missing:
            why = OutcomeText::tr("%1 no longer exists").arg(file);
            break;
        case Kind::notAProfile:
            why = OutcomeText::tr("%1 is not a profile Tolvane can read").arg(file);
            break;
        case Kind::tooLarge:
            why = OutcomeText::tr("%1 is too large for a profile").arg(file);
            break;
        case Kind::notAFile:
            why = OutcomeText::tr("%1 is not a file").arg(file);
            break;
        case Kind::writeProtected:
            why = OutcomeText::tr("%1 may not be read").arg(file);
            break;
        default:
            why = OutcomeText::tr("%1: %2").arg(file, errorText(outcome.error));
            break;
    }
    return OutcomeText::tr("Not opened: %1; the form keeps the values shown before").arg(why);
}

}  // namespace

QString OutcomeText::noProfiles(const std::string& folder, const std::optional<Outcome>& failure) {
    const QString shown = userPath(folder);
    if (!failure) return tr("No FMLE profiles in %1").arg(shown);
    if (failure->kind == Outcome::Kind::missing)
        return tr("No FMLE profiles: %1 does not exist").arg(shown);
    return tr("No FMLE profiles: %1 could not be read (%2)").arg(shown, errorText(failure->error));
}

QString OutcomeText::camTwistNotRead(const Outcome& failure) {
    using Kind = Outcome::Kind;
    const QString shown = userPath(failure.path);
    switch (failure.kind) {
        case Kind::missing:
            return tr("No CamTwist settings: %1 does not exist").arg(shown);
        case Kind::unreadablePreferenceFile:
            return tr("CamTwist's settings not read: %1 is empty or not a settings file")
                .arg(shown);
        case Kind::tooLarge:
            return tr("CamTwist's settings not read: %1 is too large").arg(shown);
        case Kind::notAFile:
            return tr("CamTwist's settings not read: %1 is not a file").arg(shown);
        default:
            return tr("CamTwist's settings not read: %1 (%2)").arg(shown, errorText(failure.error));
    }
}

QString OutcomeText::userPath(const std::string& path) {
    return withTilde(decoded(path));
}

QString OutcomeText::profileName(const std::string& path) {
    return QFileInfo(decoded(path)).completeBaseName();
}

QString OutcomeText::of(FileAction action, const Outcome& outcome) {
    using Kind = Outcome::Kind;
    if (action == FileAction::openProfile) return outcome.ok() ? QString() : notOpened(outcome);
    const QString file = fileName(outcome.path);
    const QString name = quoted(profileName(outcome.path));
    QString notDone;
    switch (action) {
        case FileAction::removeProfile:
            notDone = tr("Not removed: %1");
            break;
        case FileAction::importProfile:
            notDone = tr("Not imported: %1");
            break;
        case FileAction::exportProfile:
            notDone = tr("Not exported: %1");
            break;
        case FileAction::restoreProfile:
            notDone = tr("Not put back: %1");
            break;
        default:
            notDone = tr("Not saved: %1");
            break;
    }
    switch (outcome.kind) {
        case Kind::saved:
            if (action == FileAction::exportProfile)
                return tr("Exported the profile to %1").arg(userPath(outcome.path));
            if (action == FileAction::saveCamTwist)
                return tr("Saved CamTwist's settings (%1; the previous file is kept as a backup)")
                    .arg(file);
            return tr("Saved %1 (%2)").arg(name, QFileInfo(decoded(outcome.path)).fileName());
        case Kind::merged:
            return tr("Saved %1 (%2); also kept the encoder's changes made to it meanwhile")
                .arg(name, QFileInfo(decoded(outcome.path)).fileName());
        case Kind::recreated:
            return tr("Saved %1 (%2) anew: its file had been removed meanwhile")
                .arg(name, QFileInfo(decoded(outcome.path)).fileName());
        case Kind::trashed:
            return tr("Removed %1 (moved to the trash)").arg(name);
        case Kind::deleted:
            return tr("Removed %1 (deleted)").arg(name);
        case Kind::refusedName:
            return action == FileAction::removeProfile || action == FileAction::importProfile
                       ? notDone.arg(tr("%1 is not a profile name").arg(name))
                       : notDone.arg(tr("type a name for the profile (not “.” or “..”, no “/”)"));
        case Kind::nothingOpen:
            return notDone.arg(tr("no profile is open to save from"));
        case Kind::noSuchElement:
            if (outcome.detail.empty()) return notDone.arg(tr("the profile could not be rebuilt"));
            return notDone.arg(
                tr("the profile has no %1 element").arg(elementPath(outcome.detail)));
        case Kind::repeatedElement:
            return notDone.arg(
                tr("the profile has more than one %1 element").arg(elementPath(outcome.detail)));
        case Kind::nothingSelected:
            return tr("Nothing removed: no profile is selected");
        case Kind::noPreferenceFile:
            return notDone.arg(tr("CamTwist's settings file %1 does not exist, and Tolvane does "
                                  "not create it")
                                   .arg(userPath(outcome.path)));
        case Kind::unreadablePreferenceFile:
            return notDone.arg(tr("CamTwist's settings file %1 could not be read at start, so "
                                  "it is left as it is")
                                   .arg(userPath(outcome.path)));
        case Kind::unwritableText:
            return notDone.arg(tr("CamTwist's setting “%1” holds a value a settings file cannot "
                                  "store")
                                   .arg(QString::fromStdString(outcome.detail)));
        case Kind::backupIsSameFile:
            return notDone.arg(
                tr("CamTwist's settings file and its backup %1 are one file").arg(file));
        case Kind::backupNotAFile:
            return notDone.arg(tr("the backup %1 is not a file").arg(file));
        case Kind::conflict:
            return notDone.arg(tr("%1 was changed meanwhile in the same places").arg(file));
        case Kind::notAProfile:
            if (action == FileAction::importProfile)
                return notDone.arg(tr("%1 is not an FMLE profile").arg(file));
            return notDone.arg(tr("%1 is not a profile Tolvane can read").arg(file));
        case Kind::tooLarge:
            return notDone.arg(tr("%1 is too large").arg(file));
        case Kind::writeProtected:
            return notDone.arg(tr("%1 is write-protected").arg(file));
        case Kind::notAFile:
            return notDone.arg(tr("%1 is not a file").arg(file));
        case Kind::nameTooLong:
            return notDone.arg(tr("the name %1 is too long for the disk").arg(file));
        case Kind::diskFull:
            return notDone.arg(tr("no room on the disk for %1").arg(file));
        case Kind::missing:
            if (action == FileAction::exportProfile)
                return notDone.arg(tr("the folder %1 does not exist")
                                       .arg(withTilde(QFileInfo(decoded(outcome.path)).path())));
            if (action == FileAction::saveProfile)
                return notDone.arg(tr("the profile folder %1 does not exist")
                                       .arg(withTilde(QFileInfo(decoded(outcome.path)).path())));
            if (action == FileAction::importProfile)
                return notDone.arg(tr("%1 does not exist").arg(file));
            return notDone.arg(tr("%1 no longer exists").arg(file));
        case Kind::trashFailed:
            return notDone.arg(tr("%1 could not be moved to the trash (%2), and is kept")
                                   .arg(file, errorText(outcome.error)));
        case Kind::failed:
            return notDone.arg(tr("%1: %2").arg(file, errorText(outcome.error)));
    }
    return notDone.arg(file);
}

}  // namespace tolvane
