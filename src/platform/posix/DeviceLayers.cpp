#include "platform/posix/DeviceLayers.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "platform/PathText.h"

namespace platform::posix {
namespace {

// More layers than any real stack has: a loop that sysfs could show is cut there.
constexpr std::size_t kMostLayers = 32;

// The first line of a small sysfs file, without surrounding blanks; empty when unreadable.
std::string readLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  if (!in || !std::getline(in, line)) return {};
  const auto first = line.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  const auto last = line.find_last_not_of(" \t\r\n");
  return line.substr(first, last - first + 1);
}

bool exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

std::vector<std::string> slavesOf(const std::string& base) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(base + "/slaves", error), end; !error && it != end;
       it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The serial a SCSI disk gives in its unit serial number page (0x80): a four-byte header, then
// the text.
std::string serialFromPage80(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (page.size() <= 4) return {};
  std::string text = page.substr(4);
  text.erase(std::remove_if(text.begin(), text.end(),
                            [](char c) { return c == '\0' || c == ' ' || c == '\n'; }),
             text.end());
  return text;
}

void append(std::string& list, const std::string& value) {
  if (value.empty()) return;
  if (!list.empty()) list += ", ";
  list += value;
}

// The device holding the image file of a loop device, by name; empty when it is none sysfs
// knows (an image on a file system in memory, or the image gone).
std::string deviceOfImage(std::string image, const std::string& sysRoot) {
  const std::string deleted = " (deleted)";
  if (image.size() > deleted.size() &&
      image.compare(image.size() - deleted.size(), deleted.size(), deleted) == 0) {
    image.resize(image.size() - deleted.size());
  }
  struct stat st {};
  if (image.empty() || ::stat(image.c_str(), &st) != 0) return {};
  return blockDeviceName(major(st.st_dev), minor(st.st_dev), sysRoot);
}

}  // namespace

std::string blockDeviceName(std::uint64_t majorNumber, std::uint64_t minorNumber,
                            const std::string& sysRoot) {
  const std::string link =
      sysRoot + "/dev/block/" + std::to_string(majorNumber) + ":" + std::to_string(minorNumber);
  std::error_code error;
  const auto target = std::filesystem::read_symlink(link, error);
  if (error) return {};
  return target.filename().string();
}

void describeLayers(const std::string& name, DeviceFacts& facts, const std::string& sysRoot) {
  std::deque<std::string> waiting{name};
  std::set<std::string> seen;
  bool anyTurns = false;
  bool anyFlash = false;
  while (!waiting.empty() && facts.layers.size() < kMostLayers) {
    const std::string current = waiting.front();
    waiting.pop_front();
    if (current.empty() || current.find('/') != std::string::npos || !seen.insert(current).second)
      continue;
    const std::string base = sysRoot + "/class/block/" + current;
    if (!exists(base)) continue;
    DeviceLayer layer{current, "disk", {}};
    std::vector<std::string> beneath;
    if (exists(base + "/partition")) {
      layer.kind = "partition";
      std::error_code error;
      const auto resolved = std::filesystem::canonical(base, error);
      if (!error) beneath.push_back(resolved.parent_path().filename().string());
    } else if (exists(base + "/dm")) {
      const std::string uuid = readLine(base + "/dm/uuid");
      layer.kind = uuid.rfind("CRYPT-", 0) == 0 ? "crypt" : "device-mapper";
      layer.detail = readLine(base + "/dm/name");
      facts.encrypted = facts.encrypted || layer.kind == "crypt";
      beneath = slavesOf(base);
    } else if (exists(base + "/loop")) {
      layer.kind = "loop";
      layer.detail = readLine(base + "/loop/backing_file");
      beneath.push_back(deviceOfImage(layer.detail, sysRoot));
    } else if (const auto members = slavesOf(base); !members.empty()) {
      // A RAID set, or another device stacked on members of its own.
      layer.kind = exists(base + "/md") ? "raid" : "stacked";
      beneath = members;
    } else {
      append(facts.model, readLine(base + "/device/model"));
      std::string serial = readLine(base + "/device/serial");
      if (serial.empty()) serial = readLine(base + "/serial");
      if (serial.empty()) serial = serialFromPage80(base + "/device/vpd_pg80");
      append(facts.serial, serial);
      const std::string rotational = readLine(base + "/queue/rotational");
      anyTurns = anyTurns || rotational == "1";
      anyFlash = anyFlash || rotational == "0";
    }
    facts.layers.push_back(std::move(layer));
    waiting.insert(waiting.end(), beneath.begin(), beneath.end());
  }
  if (anyFlash) {
    facts.rotational = false;
  } else if (anyTurns) {
    facts.rotational = true;
  }
}

}  // namespace platform::posix
