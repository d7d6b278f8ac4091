// The work no version of Tolvane can skip: a Qt Widgets window and the capture-device lists.
// Built as startup_listing, it also lists the profile folder and sorts the names, as any program
// that shows them in order must: the floor for a folder of many profiles.
#include <QApplication>
#include <QAudioDevice>
#include <QCameraDevice>
#include <QLabel>
#include <QMediaDevices>
#include <QTimer>
#include <cstdlib>

#ifdef TOLVANE_BARE_LISTING
#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto audio = QMediaDevices::audioInputs();
    const auto video = QMediaDevices::videoInputs();
    qsizetype listed = 0;
#ifdef TOLVANE_BARE_LISTING
    const std::string folder = std::string(std::getenv("HOME")) +
                               "/Library/Application Support/Adobe/Flash Media Live Encoder 3.2";
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    listed = static_cast<qsizetype>(names.size());
#endif
    QLabel window(QStringLiteral("%1 audio, %2 video, %3 listed")
                      .arg(audio.size())
                      .arg(video.size())
                      .arg(listed));
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    // Quitting is no part of starting: leave without tearing the window down.
    std::_Exit(QApplication::exec());
}
