#include "app/QtFileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

#include "app/Text.h"

namespace tolvane {

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
QString homeTrash() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/Trash");
}
#endif

}  // namespace

bool QtFileOps::hasTrash() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Qt 6.4 cannot make the home trash where its data folder is missing, and then "trashes" the
    // file into files/ under the current folder, reporting success. Make it first; where it
    // cannot be made there is no trash.
    const QString trash = homeTrash();
    return !trash.isEmpty() && QDir().mkpath(QFileInfo(trash).path()) &&
           (QFileInfo(trash).isDir() ||
            QDir().mkdir(trash, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
#else
    return true;
#endif
}

int QtFileOps::moveToTrash(const std::string& path) {
    std::string inTrash;
    return moveToTrashAt(path, inTrash);
}

int QtFileOps::moveToTrashAt(const std::string& path, std::string& inTrash) {
    inTrash.clear();
    const QString file = decoded(path);
    if (!hasTrash()) {
        errno = ENOTSUP;
        return -1;
    }
    QString where;
    if (!QFile::moveToTrash(file, &where)) {
        // There is a trash, but Qt does not say why the file did not go there (another disk
        // without a trash of its own, no permission): the caller keeps it.
        errno = EIO;
        return -1;
    }
    if (QFileInfo(where).isAbsolute()) {
        inTrash = QFile::encodeName(where).toStdString();
        return 0;
    }
    // Qt found no trash after all: put the file back where it was, and the caller deletes it.
    errno = QFile::rename(where, file) ? ENOTSUP : EIO;
    return -1;
}

int QtFileOps::restoreFromTrash(const std::string& inTrash, const std::string& path) {
    if (FileOps::restoreFromTrash(inTrash, path) != 0) return -1;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The freedesktop trash keeps what it knows of the file beside it, in info/.
    const QFileInfo trashed(decoded(inTrash));
    QFile::remove(
        trashed.dir().filePath(QStringLiteral("../info/%1.trashinfo").arg(trashed.fileName())));
#endif
    return 0;
}

}  // namespace tolvane
