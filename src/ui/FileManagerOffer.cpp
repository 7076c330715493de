#include "ui/FileManagerOffer.h"

#include <QCoreApplication>
#include <QStringList>

#include "dialogs/PromptService.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "ui/TFileManagerEntries.h"

void OfferFileManagerEntries(IPromptService& prompts, const std::string& program) {
  if (!prompts.Confirm(QCoreApplication::translate(
          "FileManagerOffer",
          "Add \"Wipe with Ferrovane\" to the context menus of Dolphin, Nemo and Nautilus, and "
          "Ferrovane to \"Open With\", for you? Each entry opens this window with the selection "
          "queued; nothing is wiped before you press Start and answer its question."))) {
    return;
  }
  const TFileManagerEntries entries(program);
  QStringList failures;
  for (const std::string& failure : entries.WriteUserFiles()) {
    failures << QString::fromLocal8Bit(failure);
  }
  // Thunar keeps all its custom actions in one file: it is changed only when the user agrees.
  const std::string thunar = TFileManagerEntries::ThunarFile();
  if (prompts.Confirm(
          QCoreApplication::translate("FileManagerOffer",
                                      "Also add \"Wipe with Ferrovane\" to Thunar's custom "
                                      "actions in %1? Your other actions are kept.")
              .arg(QString::fromLocal8Bit(thunar)))) {
    if (const auto failure = entries.WriteThunarAction()) {
      failures << QString::fromLocal8Bit(*failure);
    }
  }
  if (failures.isEmpty()) {
    prompts.PlainMessage(
        QCoreApplication::translate("FileManagerOffer",
                                    "\"Wipe with Ferrovane\" was added. A file manager "
                                    "that is open shows it once it is started again."));
  } else {
    prompts.DetailedMessage(
        TReportKind::Warning,
        QCoreApplication::translate("FileManagerOffer",
                                    "Some file-manager entries could not be added."),
        {}, failures.join(QLatin1Char('\n')));
  }
}

void OfferFileManagerEntries(const std::string& program) {
  OfferFileManagerEntries(Prompts(), program);
}
