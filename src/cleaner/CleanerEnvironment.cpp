#include "cleaner/CleanerEnvironment.h"

#include <utility>

#include "core/Helpers.h"
#include "platform/Folders.h"

TCleanerEnvironment& CleanerEnvironment() {
  static TCleanerEnvironment environment;
  return environment;
}

TCleanerEnvironment SetCleanerEnvironment(TCleanerEnvironment environment) {
  return std::exchange(CleanerEnvironment(), std::move(environment));
}

std::string GetSpecialFolder(TSpecialFolder folder) {
  const auto& overrides = CleanerEnvironment().SpecialFolders;
  if (auto it = overrides.find(folder); it != overrides.end()) return it->second;
  if (folder == sfAppData) return RemoveTrailingBackslash(platform::configFolder());
  return {};
}

std::string GetSharedTempFolder() {
  const std::string& folder = CleanerEnvironment().SharedTempFolder;
  return AddTrailingBackslash(folder.empty() ? std::string("/var/tmp") : folder);
}

bool IsNTFamily() {
  return CleanerEnvironment().NTFamily.value_or(true);
}

namespace {

class IdleTimer final : public ITimer {
 public:
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Enabled() const override { return enabled_; }

 private:
  bool enabled_ = false;
};

}  // namespace

std::unique_ptr<ITimer> CreateTimer(int intervalMs, std::function<void()> onTick) {
  if (const auto& factory = CleanerEnvironment().TimerFactory) {
    if (auto timer = factory(intervalMs, std::move(onTick))) return timer;
  }
  return std::make_unique<IdleTimer>();
}
