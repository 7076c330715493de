#include "ui/WipeReport.h"

#include <QStringList>
#include <algorithm>

#include "platform/FileSystem.h"
#include "ui/ShellFileInfo.h"

namespace {

QString text(const std::string& bytes) {
  return QString::fromLocal8Bit(bytes);
}

QString failureLine(const TWipeFailure& failure) {
  return text(failure.Path) + QStringLiteral(": ") + text(DescribeFailure(failure));
}

// A titled list for the details; nothing when the list is empty.
void addSection(QStringList& sections, const QString& title, const QStringList& lines) {
  if (lines.isEmpty()) return;
  sections << title + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}

}  // namespace

TRunOutcome RunOutcomeOf(const TWipeEngine& engine) {
  TRunOutcome outcome;
  outcome.aborted = engine.Aborted;
  outcome.failures = engine.Failures;
  outcome.jobs = engine.Items.size();
  if (!engine.Aborted) return outcome;
  // Named only when it is still there: a file the run removes itself after a stop (the
  // free-space fill) is not left behind.
  if (!engine.StoppedInFile().empty() && platform::fs().info(engine.StoppedInFile())) {
    outcome.stoppedIn = engine.StoppedInFile();
  }
  for (std::size_t i = engine.ItemsReached(); i < engine.Items.size(); ++i) {
    outcome.notReached.push_back(engine.Items[i]->Path);
  }
  return outcome;
}

TRunReport DescribeRunOutcome(const TRunTexts& texts, const TRunOutcome& outcome) {
  QStringList leftBehind;
  QStringList notFound;
  QStringList journals;
  for (const TWipeFailure& failure : outcome.failures) {
    if (failure.Reason == TWipeFailureReason::JournalNotCleared) {
      journals << failureLine(failure);
    } else {
      (LeavesSomethingBehind(failure) ? leftBehind : notFound) << failureLine(failure);
    }
  }
  QStringList notReached;
  for (const std::string& path : outcome.notReached) notReached << text(path);

  QStringList informative;
  if (!outcome.stoppedIn.empty()) {
    informative << QStringLiteral(
                       "It stopped while overwriting \"%1\": that file is left under its own name, "
                       "not completely overwritten.")
                       .arg(text(GetShellDisplayName(outcome.stoppedIn, false)));
  }
  if (!notReached.isEmpty()) {
    informative << QStringLiteral("Jobs not reached: %1 of %2.")
                       .arg(notReached.size())
                       .arg(std::max(outcome.jobs, outcome.notReached.size()));
  }
  if (outcome.aborted && !leftBehind.isEmpty()) {
    informative << QStringLiteral("Left behind: %1.").arg(leftBehind.size());
  }
  if (!notFound.isEmpty()) {
    informative << QStringLiteral("Not found when their turn came: %1.").arg(notFound.size());
  }
  if (!journals.isEmpty()) {
    informative << QStringLiteral("Journals not cleared of old copies of file names: %1.")
                       .arg(journals.size());
  }

  QStringList sections;
  if (!outcome.stoppedIn.empty()) {
    addSection(sections, QStringLiteral("Left partly overwritten when the run stopped:"),
               {text(outcome.stoppedIn)});
  }
  addSection(sections, QStringLiteral("Not reached:"), notReached);
  addSection(sections, QStringLiteral("Left behind:"), leftBehind);
  addSection(sections, QStringLiteral("Not found:"), notFound);
  addSection(sections, QStringLiteral("Journals not cleared:"), journals);

  TRunReport report{TReportKind::Warning, texts.aborted, informative.join(QLatin1Char('\n')),
                    sections.join(QStringLiteral("\n\n"))};
  if (outcome.aborted) return report;
  if (!leftBehind.isEmpty()) {
    report.text = texts.failureLead.arg(leftBehind.size());
  } else {
    report.kind = TReportKind::Plain;
    report.text = texts.success;
  }
  return report;
}

void ShowRunOutcome(const TRunTexts& texts, const TRunOutcome& outcome) {
  const TRunReport report = DescribeRunOutcome(texts, outcome);
  if (report.informative.isEmpty() && report.details.isEmpty()) {
    if (report.kind == TReportKind::Warning) {
      Prompts().MessageDialog(TMessageKind::Warning, report.text);
    } else {
      Prompts().PlainMessage(report.text);
    }
    return;
  }
  Prompts().DetailedMessage(report.kind, report.text, report.informative, report.details);
}
