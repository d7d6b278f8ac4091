#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/QtCaptureDevices.h"
#include "app/TolvaneProgram.h"

namespace {

// Without a display Qt's platform plugin aborts with a page that suggests reinstalling, so say
// what is missing before Qt starts. An explicit platform or display is left for Qt to try.
bool displayMissing(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(name); value && *value) return false;
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-platform", "--platform", "-display", "--display"})
            if (std::strcmp(argv[i], option) == 0) return false;
    return true;
#else
    (void)argc;
    (void)argv;
    return false;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (displayMissing(argc, argv)) {
        (void)std::fputs(
            "Tolvane needs a display (a graphical desktop session), "
            "but neither DISPLAY nor WAYLAND_DISPLAY is set.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    tolvane::TolvaneProgram::setUpApplication();
    const tolvane::QtCaptureDevices devices;
    tolvane::TolvaneProgram program(devices);
    return QApplication::exec();
}
