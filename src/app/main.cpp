#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

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

void print(const QString& text) {
    (void)std::fputs(text.toLocal8Bit().constData(), stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Edits Flash Media Live Encoder 3.2 profiles and CamTwist's frame rate and size."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("PROFILE.xml"),
        QStringLiteral("An FMLE profile to open; one outside the profile folder is imported."),
        QStringLiteral("[PROFILE.xml]"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // --help and --version need no display: answered before Qt's GUI starts. Qt's own options
    // (-platform) are known only once it has.
    (void)parser.parse(arguments);
    if (parser.isSet(help)) {
        print(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                        QStringLiteral("tolvane")));
        return 0;
    }
    if (parser.isSet(version)) {
        print(QStringLiteral("tolvane %1\n").arg(tolvane::TolvaneProgram::version()));
        return 0;
    }
    if (displayMissing(argc, argv)) {
        (void)std::fputs(
            "Tolvane needs a display (a graphical desktop session), "
            "but neither DISPLAY nor WAYLAND_DISPLAY is set.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    tolvane::TolvaneProgram::setUpApplication();
    tolvane::TolvaneProgram::loadTranslations();
    if (!parser.parse(QApplication::arguments()) || parser.positionalArguments().size() > 1) {
        (void)std::fprintf(stderr, "tolvane: %s\n",
                           qPrintable(parser.errorText().isEmpty()
                                          ? QStringLiteral("only one profile can be opened")
                                          : parser.errorText()));
        return 2;
    }
    const tolvane::QtCaptureDevices devices;
    tolvane::TolvaneProgram program(devices);
    if (!parser.positionalArguments().isEmpty())
        program.window().actions().openProfileFile(
            QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath());
    return QApplication::exec();
}
