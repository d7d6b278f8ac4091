#include <QApplication>

#include "app/QtCaptureDevices.h"
#include "app/TolvaneProgram.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setDesktopFileName(QStringLiteral("tolvane"));
    const tolvane::QtCaptureDevices devices;
    tolvane::TolvaneProgram program(devices);
    return QApplication::exec();
}
