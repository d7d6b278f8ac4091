#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

// The core's texts as Qt's, and how the window quotes names.
namespace tolvane {

// A text of the core, which is UTF-8.
inline QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// A path of the core: its bytes in the file system's encoding.
inline QString decoded(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// A name as the window's messages show it, in quotation marks.
inline QString quoted(const QString& text) {
    return QStringLiteral("“%1”").arg(text);
}

}  // namespace tolvane
