#pragma once
// What sysfs tells of a block device and of everything beneath it: a partition lies on its
// disk, a device-mapper device (dm-crypt among them) on its slaves, a loop device on the file
// system holding its image file, a RAID device on its members. The disks at the bottom give
// their model, serial and whether they turn. The root of sysfs is a parameter, so tests walk a
// tree of their own.

#include <cstdint>
#include <string>

#include "platform/BlockDevice.h"

namespace platform::posix {

// The kernel's name of the block device major:minor ("sda1", "dm-0", "loop3"); empty when sysfs
// has none.
std::string blockDeviceName(std::uint64_t major, std::uint64_t minor,
                            const std::string& sysRoot = "/sys");

// Fills the layers, the disks' model and serial, whether they turn and whether an encrypting
// layer lies between, for the device `name`, starting at facts.layers' end.
void describeLayers(const std::string& name, DeviceFacts& facts,
                    const std::string& sysRoot = "/sys");

}  // namespace platform::posix
