#include "core/WipeServices.h"

#include <utility>

namespace {

class SilentProgress final : public IWipeProgress {
 public:
  void SetFileRange(std::uint64_t) override {}
  void SetFilePosition(std::uint64_t) override {}
  void SetPassRange(std::uint64_t) override {}
  void SetPassPosition(std::uint64_t) override {}
  void ShowFile(const std::string&) override {}
  void ShowPass(int, int) override {}
  void Advance(std::uint64_t) override {}
};

class SilentServices final : public IWipeServices {
 public:
  std::unique_ptr<IWipeProgress> OpenProgress(TWipeEngine&) override {
    return std::make_unique<SilentProgress>();
  }
  bool ConfirmWipeExecutable(const std::string&) override { return false; }
  void ProcessMessages() override {}
};

SilentProgress noProgress;
SilentServices silent;
IWipeServices* installed = nullptr;

}  // namespace

IWipeProgress& NoWipeProgress() {
  return noProgress;
}

std::unique_ptr<IWipeProgress> SilentWipeProgress() {
  return std::make_unique<SilentProgress>();
}

IWipeServices& SilentWipeServices() {
  return silent;
}

IWipeServices& WipeServices() {
  return installed ? *installed : silent;
}

IWipeServices* SetWipeServices(IWipeServices* services) {
  return std::exchange(installed, services);
}
