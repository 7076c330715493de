#include "cli/TCliWipeServices.h"

#include "cli/TCliOutput.h"
#include "cli/TJsonProgress.h"
#include "cli/TTerminalProgress.h"
#include "core/TWipeEngine.h"
#include "platform/Console.h"
#include "platform/Signals.h"

namespace {

bool watchInput = false;
bool inputEnded = false;

// The engine's progress for the terminal; the run it belongs to ends with it.
class RunProgress : public TTerminalProgress {
 public:
  RunProgress(TCliOutput& output, TWipeEngine*& running, TWipeEngine& engine)
      : TTerminalProgress(output), running_(running) {
    running_ = &engine;
  }
  ~RunProgress() override { running_ = nullptr; }

 private:
  TWipeEngine*& running_;
};

// The same for a program that reads the progress as JSON lines.
class JsonRunProgress : public TJsonProgress {
 public:
  JsonRunProgress(TCliOutput& output, TWipeEngine*& running, TWipeEngine& engine)
      : TJsonProgress(output), running_(running) {
    running_ = &engine;
  }
  ~JsonRunProgress() override { running_ = nullptr; }

 private:
  TWipeEngine*& running_;
};

}  // namespace

TCliWipeServices::TCliWipeServices(TCliOutput& output)
    : output_(output), previous_(&WipeServices()) {
  SetWipeServices(this);
}

TCliWipeServices::~TCliWipeServices() {
  SetWipeServices(previous_);
}

std::unique_ptr<IWipeProgress> TCliWipeServices::OpenProgress(TWipeEngine& engine) {
  if (output_.JsonProgress()) return std::make_unique<JsonRunProgress>(output_, running_, engine);
  return std::make_unique<RunProgress>(output_, running_, engine);
}

bool TCliWipeServices::ConfirmWipeExecutable(const std::string&) {
  return false;
}

void TCliWipeServices::ProcessMessages() {
  if (running_ && StopRequested()) running_->Stop();
}

bool TCliWipeServices::StopRequested() {
  if (watchInput && !inputEnded) inputEnded = platform::standardInputStirred();
  return inputEnded || platform::stopSignal() != 0;
}

void TCliWipeServices::StopWhenInputEnds() {
  watchInput = true;
}
