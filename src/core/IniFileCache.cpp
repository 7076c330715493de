#include "core/IniFileCache.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

#include "core/IniDocument.h"
#include "core/IniIndex.h"
#include "platform/FileSystem.h"

namespace {

// How long after its last change a file may still change again without a new timestamp.
constexpr std::int64_t kSettleNs = 3'000'000'000;

struct Kept {
  std::string path;
  platform::FileIdentity identity;
  std::shared_ptr<const IniIndex> index;
};

std::vector<Kept>& kept() {
  static std::vector<Kept> files;  // most recently read first
  return files;
}

int readCount = 0;

std::int64_t nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

std::shared_ptr<const IniIndex> IniFileCache::current(const std::string& path) {
  std::vector<Kept>& files = kept();
  const std::optional<platform::FileIdentity> before = platform::fs().identity(path);
  auto known =
      std::find_if(files.begin(), files.end(), [&](const Kept& k) { return k.path == path; });
  if (known != files.end()) {
    if (before && known->identity == *before) {
      std::rotate(files.begin(), known, known + 1);
      return files.front().index;
    }
    files.erase(known);
  }
  if (!before || before->size > IniDocument::kMaxFileSize) return nullptr;

  const std::int64_t readAt = nowNs();
  std::optional<std::string> text = platform::fs().readFile(path, IniDocument::kMaxFileSize);
  if (!text) return nullptr;
  ++readCount;
  auto index = std::make_shared<const IniIndex>(std::move(*text));
  const std::optional<platform::FileIdentity> after = platform::fs().identity(path);
  const bool settled = before->modifiedNs < readAt - kSettleNs;
  if (after && *after == *before && settled) {
    files.insert(files.begin(), Kept{path, *before, index});
    if (files.size() > kMaxFiles) files.pop_back();
  }
  return index;
}

void IniFileCache::forget(const std::string& path) {
  std::vector<Kept>& files = kept();
  files.erase(
      std::remove_if(files.begin(), files.end(), [&](const Kept& k) { return k.path == path; }),
      files.end());
}

int IniFileCache::reads() {
  return readCount;
}
