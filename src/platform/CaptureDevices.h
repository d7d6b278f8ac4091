#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tolvane {

enum class MediaType { sound, video };

struct CaptureDevice {
    std::string localizedDisplayName;
};

// Where the capture devices come from. Each call lists the devices of one media type, in a
// fixed order.
class CaptureDeviceSource {
  public:
    virtual ~CaptureDeviceSource() = default;
    virtual std::vector<CaptureDevice> inputDevicesWithMediaType(MediaType type) const = 0;
};

// Devices given in code: for tests, and where no device service is available.
class FixedCaptureDevices : public CaptureDeviceSource {
  public:
    FixedCaptureDevices() = default;
    FixedCaptureDevices(std::vector<std::string> audioNames, std::vector<std::string> videoNames)
        : audio_(std::move(audioNames)), video_(std::move(videoNames)) {}

    std::vector<CaptureDevice> inputDevicesWithMediaType(MediaType type) const override {
        std::vector<CaptureDevice> devices;
        for (const auto& name : type == MediaType::sound ? audio_ : video_) {
            devices.push_back({name});
        }
        return devices;
    }

  private:
    std::vector<std::string> audio_;
    std::vector<std::string> video_;
};

}  // namespace tolvane
