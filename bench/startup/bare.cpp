// The work no version of Tolvane can skip: a Qt Widgets window and the capture-device lists.
#include <QApplication>
#include <QAudioDevice>
#include <QCameraDevice>
#include <QLabel>
#include <QMediaDevices>
#include <QTimer>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto audio = QMediaDevices::audioInputs();
    const auto video = QMediaDevices::videoInputs();
    QLabel window(QStringLiteral("%1 audio, %2 video").arg(audio.size()).arg(video.size()));
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    // Quitting is no part of starting: leave without tearing the window down.
    std::_Exit(QApplication::exec());
}
