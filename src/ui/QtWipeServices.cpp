#include "ui/QtWipeServices.h"

#include <QCoreApplication>
#include <QString>

#include "dialogs/PromptService.h"
#include "ui/TfProgress.h"

QtWipeServices::QtWipeServices()
    : progressFactory_([](TWipeEngine& engine) { return TfProgress::Open(engine); }) {}

QtWipeServices::QtWipeServices(TProgressFactory progressFactory)
    : progressFactory_(std::move(progressFactory)) {}

std::unique_ptr<IWipeProgress> QtWipeServices::OpenProgress(TWipeEngine& engine) {
  // Without a window the engine reports to NoWipeProgress().
  return progressFactory_ ? progressFactory_(engine) : nullptr;
}

bool QtWipeServices::ConfirmWipeExecutable(const std::string& path) {
  return Prompts().Confirm(
      QString::fromLocal8Bit(path) +
      QCoreApplication::translate("QtWipeServices",
                                  " is a executable file. Are you sure to wipe it?"));
}

void QtWipeServices::ProcessMessages() {
  QCoreApplication::processEvents();
}
