#include "ui/WipeReport.h"

#include <QStringList>
#include <algorithm>

#include "ui/PromptService.h"

namespace {
// More lines than this would make the message box taller than the screen.
constexpr std::size_t kMaxListed = 20;
}  // namespace

QString WipeFailureReport(const QString& lead, const std::vector<TWipeFailure>& failures) {
  QStringList lines;
  for (std::size_t i = 0; i < failures.size() && i < kMaxListed; ++i) {
    lines << QString::fromLocal8Bit(failures[i].Path) + QStringLiteral(": ") +
                 QString::fromLocal8Bit(DescribeFailure(failures[i]));
  }
  if (failures.size() > kMaxListed) {
    lines << QStringLiteral("... and %1 more.").arg(failures.size() - kMaxListed);
  }
  return lead + QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
}

void ShowRunOutcome(const TRunTexts& texts, bool aborted,
                    const std::vector<TWipeFailure>& failures) {
  const bool leftBehind = std::any_of(failures.begin(), failures.end(), LeavesSomethingBehind);
  if (aborted) {
    Prompts().MessageDialog(
        TMessageKind::Warning,
        failures.empty() ? texts.aborted : WipeFailureReport(texts.aborted, failures));
  } else if (leftBehind) {
    Prompts().MessageDialog(TMessageKind::Warning, WipeFailureReport(texts.failureLead, failures));
  } else if (!failures.empty()) {
    // Nothing chosen was left; what was already gone is still named.
    Prompts().PlainMessage(WipeFailureReport(texts.success, failures));
  } else {
    Prompts().PlainMessage(texts.success);
  }
}
