#include "app/QtFileOps.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

namespace tolvane {

int QtFileOps::moveToTrash(const std::string& path) {
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Qt 6.4 cannot make the home trash where its data folder is missing, and then "trashes" the
    // file into files/ under the current folder, reporting success. Make it first, or delete.
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
    if (QFile::moveToTrash(file, &inTrash)) {
        if (QFileInfo(inTrash).isAbsolute()) return 0;
        // Qt found no trash after all: put the file back where it was.
        QFile::rename(inTrash, file);
    }
    // Qt does not say why (no trash on that disk, no such file); the caller deletes instead and
    // reports what that did.
    errno = ENOTSUP;
    return -1;
}

}  // namespace tolvane
