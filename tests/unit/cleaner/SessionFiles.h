#pragma once
// Session files as the browsers write them, made by the tests: Chromium's command files
// ("SNSS") and Firefox's compressed session store ("mozLz40").

#include <cstdint>
#include <string>
#include <vector>

namespace sessiontest {

inline std::string Little(std::uint32_t value, int bytes) {
  std::string text;
  for (int i = 0; i < bytes; ++i) text += static_cast<char>((value >> (8 * i)) & 0xFF);
  return text;
}

// A navigation command of a Chromium session file: id, pickled payload size, tab id,
// navigation index, then the address (its length, then its bytes, padded to 4).
inline std::string Navigation(std::uint8_t id, const std::string& address) {
  std::string pickle =
      Little(1, 4) + Little(0, 4) + Little(static_cast<std::uint32_t>(address.size()), 4) + address;
  pickle += std::string((4 - pickle.size() % 4) % 4, '\0');
  pickle += Little(5, 4) + "title";
  const std::string command = std::string(1, static_cast<char>(id)) +
                              Little(static_cast<std::uint32_t>(pickle.size()), 4) + pickle;
  return Little(static_cast<std::uint32_t>(command.size()), 2) + command;
}

// A Chromium session file of that version with a navigation to each address.
inline std::string ChromiumSession(const std::vector<std::string>& addresses,
                                   std::uint32_t version = 3) {
  std::string file = "SNSS" + Little(version, 4);
  // A command that names no page (the selected tab) before them.
  file += Little(9, 2) + std::string(1, '\x08') + Little(4, 4) + Little(0, 4);
  for (const std::string& address : addresses) file += Navigation(6, address);
  return file;
}

// A "mozLz40" file of the text: one LZ4 block of literals only.
inline std::string MozLz4(const std::string& text) {
  std::string block;
  std::size_t length = text.size();
  block += static_cast<char>(length >= 15 ? 0xF0 : length << 4);
  if (length >= 15) {
    for (length -= 15; length >= 255; length -= 255) block += '\xFF';
    block += static_cast<char>(length);
  }
  block += text;
  return std::string("mozLz40\0", 8) + Little(static_cast<std::uint32_t>(text.size()), 4) + block;
}

// The session store of Firefox with one window, its tabs' entries and a closed tab.
inline std::string FirefoxSessionText(const std::vector<std::string>& open,
                                      const std::string& closed) {
  std::string entries;
  for (const std::string& address : open) {
    if (!entries.empty()) entries += ",";
    entries += R"({"url":")" + address + R"(","title":"t","triggeringPrincipal_base64":"x"})";
  }
  return R"({"version":["sessionrestore",1],"windows":[{"tabs":[{"entries":[)" + entries +
         R"(],"index":1}],"_closedTabs":[{"state":{"entries":[{"url":")" + closed +
         R"("}]}}]}],"session":{"lastUpdate":1}})";
}

}  // namespace sessiontest
