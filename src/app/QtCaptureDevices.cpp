#include "app/QtCaptureDevices.h"

#include <QAudioDevice>
#include <QCameraDevice>
#include <QMediaDevices>

namespace tolvane {
namespace {

template <typename Devices>
std::vector<std::string> namesOf(const Devices& devices) {
    std::vector<std::string> names;
    for (const auto& device : devices)
        names.push_back(device.description().toStdString());
    return names;
}

}  // namespace

QtCaptureDevices::QtCaptureDevices()
    : devices_(namesOf(QMediaDevices::audioInputs()), namesOf(QMediaDevices::videoInputs())) {}

std::vector<CaptureDevice> QtCaptureDevices::inputDevicesWithMediaType(MediaType type) const {
    return devices_.inputDevicesWithMediaType(type);
}

}  // namespace tolvane
