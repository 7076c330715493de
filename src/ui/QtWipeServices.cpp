#include "ui/QtWipeServices.h"

#include <QCoreApplication>
#include <QString>

#include "ui/PromptService.h"

namespace {

class NoProgress final : public IWipeProgress {
 public:
  void SetFileRange(std::uint64_t) override {}
  void SetFilePosition(std::uint64_t) override {}
  void SetPassRange(std::uint64_t) override {}
  void SetPassPosition(std::uint64_t) override {}
  void ShowFile(const std::string&) override {}
  void ShowPass(int, int) override {}
  void Advance(std::uint64_t) override {}
};

}  // namespace

QtWipeServices::QtWipeServices(TProgressFactory progressFactory)
    : progressFactory_(std::move(progressFactory)) {}

void QtWipeServices::SetProgressFactory(TProgressFactory progressFactory) {
  progressFactory_ = std::move(progressFactory);
}

std::unique_ptr<IWipeProgress> QtWipeServices::OpenProgress(TWipeEngine& engine) {
  std::unique_ptr<IWipeProgress> progress;
  if (progressFactory_) progress = progressFactory_(engine);
  if (!progress) progress = std::make_unique<NoProgress>();
  return progress;
}

bool QtWipeServices::ConfirmWipeExecutable(const std::string& path) {
  return Prompts().Confirm(QString::fromLocal8Bit(path) +
                           QStringLiteral(" is a executable file. Are you sure to wipe it?"));
}

void QtWipeServices::ProcessMessages() { QCoreApplication::processEvents(); }
