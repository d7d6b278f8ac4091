#include "app/TolvaneProgram.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>

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

void TolvaneProgram::loadTranslations() {
    // Compiled into the program, so that a build that is not installed speaks the language too.
    auto* own = new QTranslator(QCoreApplication::instance());
    if (own->load(QLocale(), QStringLiteral("tolvane"), QStringLiteral("_"),
                  QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
    auto* qtOwn = new QTranslator(QCoreApplication::instance());
    if (qtOwn->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtOwn);
}

QString TolvaneProgram::version() {
    return QStringLiteral(TOLVANE_VERSION);
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
