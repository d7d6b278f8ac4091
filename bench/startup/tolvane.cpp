// Tolvane's own start-up, as main() does it, quitting once the first profile is shown.
#include <QApplication>
#include <QTimer>

#include "app/QtCaptureDevices.h"
#include "app/TolvaneProgram.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const tolvane::QtCaptureDevices devices;
    tolvane::TolvaneProgram program(devices);
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
