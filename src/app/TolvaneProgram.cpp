#include "app/TolvaneProgram.h"

namespace tolvane {

TolvaneProgram::TolvaneProgram(const CaptureDeviceSource& devices) : controller_(form_, devices) {
    window_ = std::make_unique<MainWindow>(controller_);
    controller_.awakeFromNib();
    window_->show();
    controller_.applicationDidFinishLaunching();
}

}  // namespace tolvane
