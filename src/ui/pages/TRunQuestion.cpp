#include "ui/pages/TRunQuestion.h"

#include "core/WipeSettings.h"
#include "dialogs/PromptService.h"

bool TRunQuestion::Asking(const WipeSettings& settings) {
  return settings.ConfirmEraseAllFiles;
}

bool TRunQuestion::Ask(WipeSettings& settings, IPromptService& prompts, const QString& question,
                       bool always) {
  if (!always && !Asking(settings)) return true;
  bool doNotAskAgain = false;
  const bool yes =
      prompts.AskWithCheckBox(question, QStringLiteral("Do not ask again"), doNotAskAgain);
  // The box only counts with Yes: No leaves everything as it was.
  if (yes && doNotAskAgain) settings.ConfirmEraseAllFiles = false;
  return yes;
}

QString TRunQuestion::CountOf(std::size_t count, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString TRunQuestion::ListOf(const QStringList& entries, int shown) {
  if (entries.isEmpty()) return {};
  QStringList head = entries.mid(0, shown);
  const qsizetype more = entries.size() - head.size();
  if (more > 0) head << QStringLiteral("%1 more").arg(more);
  if (head.size() == 1) return head.front();
  const QString last = head.takeLast();
  return head.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}
