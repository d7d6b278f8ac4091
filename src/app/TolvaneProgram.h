#pragma once

#include <memory>

#include "app/MainWindow.h"
#include "controller/Tolvane.h"

namespace tolvane {

// The whole program over a device source: the form, the controller and the window, started in
// the controller's three stages with the window shown between the last two.
class TolvaneProgram {
  public:
    explicit TolvaneProgram(const CaptureDeviceSource& devices);

    Tolvane& controller() { return controller_; }
    MainWindow& window() { return *window_; }

  private:
    Form form_ = standardForm();
    Tolvane controller_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace tolvane
