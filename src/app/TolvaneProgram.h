#pragma once

#include <QString>
#include <QTranslator>
#include <memory>

#include "app/MainWindow.h"
#include "app/QtFileOps.h"
#include "controller/Tolvane.h"

namespace tolvane {

// The whole program over a device source: the form, the controller and the window, started in
// the controller's three stages, the window shown after the last.
class TolvaneProgram {
  public:
    // Names the running QApplication for the desktop and gives it its style and icon (the
    // program's own resource, tolvane.qrc, where it is linked).
    static void setUpApplication();
    // Loads the window's translation for the system's language, and Qt's own.
    static void loadTranslations();
    static QString version();

    // Over the desktop's file layer, with its trash.
    explicit TolvaneProgram(const CaptureDeviceSource& devices);
    // Over a given file layer (tests make it fail); not owned.
    TolvaneProgram(const CaptureDeviceSource& devices, FileOps& fileOps);

    Tolvane& controller() { return controller_; }
    MainWindow& window() { return *window_; }

  private:
    QtFileOps desktopFileOps_;
    Form form_ = standardForm();
    Tolvane controller_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace tolvane
