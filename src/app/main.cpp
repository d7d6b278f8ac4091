#include <QApplication>
#include <QIcon>

#include "app/QtCaptureDevices.h"
#include "app/TolvaneProgram.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setDesktopFileName(QStringLiteral("org.tolvane.Tolvane"));
    // The installed theme has every size; the built-in PNG serves a build that is not installed.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.tolvane.Tolvane"),
                                                 QIcon(QStringLiteral(":/tolvane/tolvane.png"))));
    const tolvane::QtCaptureDevices devices;
    tolvane::TolvaneProgram program(devices);
    return QApplication::exec();
}
