#include "app/TolvaneProgram.h"

namespace tolvane {

TolvaneProgram::TolvaneProgram(const CaptureDeviceSource& devices)
    : TolvaneProgram(devices, desktopFileOps_) {}

TolvaneProgram::TolvaneProgram(const CaptureDeviceSource& devices, FileOps& fileOps)
    : controller_(form_, devices, fileOps) {
    window_ = std::make_unique<MainWindow>(controller_);
    controller_.awakeFromNib();
    window_->show();
    controller_.applicationDidFinishLaunching();
    window_->followLaunch();
}

}  // namespace tolvane
