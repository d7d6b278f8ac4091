// Tolvane's own start-up, as main() does it, quitting once the first profile is shown.
#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "app/QtCaptureDevices.h"
#include "app/TolvaneProgram.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tolvane::TolvaneProgram::setUpApplication();
    const tolvane::QtCaptureDevices devices;
    tolvane::TolvaneProgram program(devices);
    QTimer::singleShot(0, &app, &QApplication::quit);
    // Quitting is no part of starting: leave without tearing the window down.
    std::_Exit(QApplication::exec());
}
