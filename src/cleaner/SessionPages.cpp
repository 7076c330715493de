#include "cleaner/SessionPages.h"

#include <cstdint>
#include <set>

#include "cleaner/JsonReader.h"
#include "cleaner/TracePaths.h"
#include "platform/FileSystem.h"

namespace {

// Session files are small; a larger one is not looked into (and counts as unreadable).
constexpr std::uint64_t kMaxSessionFile = 64u << 20;
// Nor is a text that would decompress beyond this.
constexpr std::uint32_t kMaxSessionText = 256u << 20;

std::uint32_t Little32(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

// Decodes one LZ4 block into `out`, which must come to exactly `size` bytes.
bool Lz4Block(const std::string& in, std::size_t at, std::size_t size, std::string& out) {
  out.clear();
  out.reserve(size);
  const auto length = [&](std::size_t base, std::size_t& total) {
    total = base;
    if (base != 15) return true;
    for (;;) {
      if (at >= in.size()) return false;
      const unsigned char more = static_cast<unsigned char>(in[at++]);
      total += more;
      if (total > size) return false;
      if (more != 255) return true;
    }
  };
  while (at < in.size()) {
    const unsigned char token = static_cast<unsigned char>(in[at++]);
    std::size_t literals = 0;
    if (!length(token >> 4, literals) || literals > in.size() - at || literals > size - out.size())
      return false;
    out.append(in, at, literals);
    at += literals;
    if (at >= in.size()) break;  // the last sequence holds literals only
    if (in.size() - at < 2) return false;
    const std::size_t offset = static_cast<unsigned char>(in[at]) |
                               static_cast<std::size_t>(static_cast<unsigned char>(in[at + 1]))
                                   << 8;
    at += 2;
    if (offset == 0 || offset > out.size()) return false;
    std::size_t match = 0;
    if (!length(token & 15u, match)) return false;
    match += 4;
    if (match > size - out.size()) return false;
    // The match may overlap what it copies: byte by byte.
    for (std::size_t from = out.size() - offset; match > 0; --match) out += out[from++];
  }
  return out.size() == size;
}

void AddPages(const std::vector<std::string>& addresses, std::set<std::string>& pages) {
  for (const std::string& address : addresses) {
    if (IsPageAddress(address)) pages.insert(address);
  }
}

std::optional<std::string> ReadSessionFile(const std::string& path) {
  auto bytes = platform::fs().readFile(path, kMaxSessionFile);
  if (!bytes) return std::nullopt;
  return std::move(*bytes);
}

}  // namespace

bool IsPageAddress(const std::string& address) {
  for (const char* scheme : {"http://", "https://", "ftp://", "file://"}) {
    if (address.rfind(scheme, 0) == 0) return true;
  }
  return false;
}

std::optional<std::vector<std::string>> AddressesInChromiumSession(const std::string& bytes) {
  if (bytes.size() < 8 || bytes.compare(0, 4, "SNSS") != 0) return std::nullopt;
  const std::uint32_t version = Little32(bytes, 4);
  // 1 and 3 are plain; later versions (5) are encrypted with a key of the browser's own.
  if (version != 1 && version != 3) return std::nullopt;
  std::vector<std::string> addresses;
  std::size_t at = 8;
  while (bytes.size() - at >= 2) {
    const std::size_t size = static_cast<unsigned char>(bytes[at]) |
                             static_cast<std::size_t>(static_cast<unsigned char>(bytes[at + 1]))
                                 << 8;
    at += 2;
    if (size > bytes.size() - at) break;  // a command cut short by a crash ends the file
    // id (1 byte), payload size, tab id, navigation index (4 bytes each), address length.
    if (size >= 17) {
      const std::uint32_t length = Little32(bytes, at + 13);
      if (length > 0 && length <= size - 17) addresses.push_back(bytes.substr(at + 17, length));
    }
    at += size;
  }
  return addresses;
}

std::optional<std::string> MozLz4Text(const std::string& bytes) {
  static const std::string kMagic("mozLz40\0", 8);
  if (bytes.size() < 12 || bytes.compare(0, 8, kMagic) != 0) return std::nullopt;
  const std::uint32_t size = Little32(bytes, 8);
  if (size > kMaxSessionText) return std::nullopt;
  std::string text;
  if (!Lz4Block(bytes, 12, size, text)) return std::nullopt;
  return text;
}

TSessionPages ChromiumSessionPages(const std::string& profileFolder) {
  TSessionPages found;
  std::set<std::string> pages;
  const auto look = [&](const std::string& path) {
    if (!IsFile(path)) return;
    found.Files.push_back(path);
    const auto bytes = ReadSessionFile(path);
    const auto addresses = bytes ? AddressesInChromiumSession(*bytes) : std::nullopt;
    if (!addresses) {
      ++found.Unreadable;
      return;
    }
    AddPages(*addresses, pages);
  };
  for (const char* folder : {"Sessions/", "Sessions_Encrypted/"}) {
    auto entries = platform::fs().listFolder(profileFolder + folder);
    if (!entries) continue;
    for (const platform::DirEntry& entry : *entries) look(profileFolder + folder + entry.name);
  }
  for (const char* name : {"Current Session", "Current Tabs", "Last Session", "Last Tabs"}) {
    look(profileFolder + name);
  }
  found.Pages = pages.size();
  return found;
}

TSessionPages FirefoxSessionPages(const std::string& profileFolder) {
  TSessionPages found;
  std::set<std::string> pages;
  const auto look = [&](const std::string& path, bool compressed) {
    if (!IsFile(path)) return;
    found.Files.push_back(path);
    const auto bytes = ReadSessionFile(path);
    std::optional<std::string> text = bytes;
    if (bytes && compressed) text = MozLz4Text(*bytes);
    const auto addresses = text ? JsonStringMembers(*text, "url") : std::nullopt;
    if (!addresses) {
      ++found.Unreadable;
      return;
    }
    AddPages(*addresses, pages);
  };
  look(profileFolder + "sessionstore.jsonlz4", true);
  look(profileFolder + "sessionstore.js", false);
  const std::string backups = profileFolder + "sessionstore-backups/";
  if (auto entries = platform::fs().listFolder(backups)) {
    for (const platform::DirEntry& entry : *entries) {
      // recovery.jsonlz4, recovery.baklz4, previous.jsonlz4, upgrade.jsonlz4-<build>.
      look(backups + entry.name, entry.name.find("lz4") != std::string::npos);
    }
  }
  found.Pages = pages.size();
  return found;
}
