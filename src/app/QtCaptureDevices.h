#pragma once

#include "platform/CaptureDevices.h"

namespace tolvane {

// Capture devices as Qt Multimedia lists them, read once when constructed. Without a device
// service or devices, both lists are empty.
class QtCaptureDevices : public CaptureDeviceSource {
  public:
    QtCaptureDevices();
    std::vector<CaptureDevice> inputDevicesWithMediaType(MediaType type) const override;

  private:
    FixedCaptureDevices devices_;
};

}  // namespace tolvane
