#include "app/QtFileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

#include "app/Text.h"

namespace tolvane {

int QtFileOps::moveToTrash(const std::string& path) {
    const QString file = decoded(path);
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Qt 6.4 cannot make the home trash where its data folder is missing, and then "trashes" the
    // file into files/ under the current folder, reporting success. Make it first; where it
    // cannot be made there is no trash, and the caller deletes.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString trash = data + QStringLiteral("/Trash");
    if (data.isEmpty() || !QDir().mkpath(data) ||
        (!QFileInfo(trash).isDir() &&
         !QDir().mkdir(trash, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))) {
        errno = ENOTSUP;
        return -1;
    }
#endif
    QString inTrash;
    if (!QFile::moveToTrash(file, &inTrash)) {
        // There is a trash, but Qt does not say why the file did not go there (another disk
        // without a trash of its own, no permission): the caller keeps it.
        errno = EIO;
        return -1;
    }
    if (QFileInfo(inTrash).isAbsolute()) return 0;
    // Qt found no trash after all: put the file back where it was, and the caller deletes it.
    errno = QFile::rename(inTrash, file) ? ENOTSUP : EIO;
    return -1;
}

}  // namespace tolvane
