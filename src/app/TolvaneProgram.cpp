#include "app/TolvaneProgram.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>

#include "app/Widgets.h"

namespace tolvane {

void TolvaneProgram::setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setDesktopFileName(QStringLiteral("org.tolvane.tolvane"));
    QApplication::setStyle(new LazyIconStyle);
    // The installed theme has every size; the built-in PNG serves a build that is not installed.
    // Read as PNG alone: finding out its format would load every image plugin.
    QImageReader png(QStringLiteral(":/tolvane/tolvane.png"), "png");
    png.setAutoDetectImageFormat(false);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.tolvane.tolvane"),
                                                 QIcon(QPixmap::fromImage(png.read()))));
}

TolvaneProgram::TolvaneProgram(const CaptureDeviceSource& devices)
    : TolvaneProgram(devices, desktopFileOps_) {}

TolvaneProgram::TolvaneProgram(const CaptureDeviceSource& devices, FileOps& fileOps)
    : controller_(form_, devices, fileOps) {
    window_ = std::make_unique<MainWindow>(controller_);
    controller_.awakeFromNib();
    controller_.applicationDidFinishLaunching();
    // Shown once the first profile is in the form, before the event loop draws anything: the
    // form is laid out once.
    window_->showStarted();
}

}  // namespace tolvane
