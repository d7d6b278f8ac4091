#include <QApplication>
#include <QLabel>

#include "app/QtCaptureDevices.h"
#include "controller/Tolvane.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tolvane::Form form = tolvane::standardForm();
    tolvane::QtCaptureDevices devices;
    tolvane::Tolvane controller(form, devices);
    controller.awakeFromNib();
    QLabel window("Tolvane");
    window.setWindowTitle("Tolvane");
    window.show();
    controller.applicationDidFinishLaunching();
    return QApplication::exec();
}
