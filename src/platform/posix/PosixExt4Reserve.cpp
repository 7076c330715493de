#include <utility>

#include "platform/Ext4Reserve.h"

namespace platform {
namespace {

std::string& installed() {
  static std::string folder = "/sys/fs/ext4/";
  return folder;
}

}  // namespace

std::string ext4ReserveFolder() {
  return installed();
}

std::string setExt4ReserveFolder(std::string folder) {
  return std::exchange(installed(), std::move(folder));
}

}  // namespace platform
