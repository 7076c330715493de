#include "platform/BlockDevice.h"

#include <utility>

namespace platform {
namespace {

BlockDevices* installed = nullptr;

class DeviceErrorCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "ferrovane.device"; }
  std::string message(int value) const override {
    switch (static_cast<DeviceError>(value)) {
      case DeviceError::NeedsAdministrator:
        return "needs administrator rights";
      case DeviceError::NoBlockDevice:
        return "the file system lies on no block device";
      case DeviceError::SeveralDevices:
        return "the file system spans several devices";
      case DeviceError::NotMapped:
        return "where this file system keeps things on its device cannot be told";
      case DeviceError::NodeMissing:
        return "the device has no node under /dev";
      case DeviceError::Changed:
        return "it changed while it was being looked at";
    }
    return "unknown device error";
  }
};

}  // namespace

const std::error_category& deviceErrorCategory() {
  static const DeviceErrorCategory category;
  return category;
}

BlockDevices& blockDevices() {
  return installed ? *installed : realBlockDevices();
}

BlockDevices* setBlockDevices(BlockDevices* devices) {
  return std::exchange(installed, devices);
}

}  // namespace platform
