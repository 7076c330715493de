#include "ui/WipeReport.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <set>

#include "platform/Drives.h"
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

QString countOf(std::size_t number, const char* one, const char* many);

// "1 drive", "2 drives": the drives the failures left not wiped, each once however many
// failures it had.
QString drivesLeftText(const std::vector<TWipeFailure>& failures) {
  std::set<std::string> drives;
  for (const TWipeFailure& failure : failures) {
    if (LeavesSomethingBehind(failure)) drives.insert(failure.Path);
  }
  return countOf(drives.size(), "drive", "drives");
}

// "1 file", "2 files and 1 folder": what the failures left, a folder for each folder that
// could not be removed.
QString leftText(const std::vector<TWipeFailure>& failures) {
  std::size_t files = 0;
  std::size_t folders = 0;
  for (const TWipeFailure& failure : failures) {
    if (!LeavesSomethingBehind(failure)) continue;
    ++(failure.Reason == TWipeFailureReason::FolderNotRemoved ? folders : files);
  }
  QStringList parts;
  if (files > 0) parts << countOf(files, "file", "files");
  if (folders > 0) parts << countOf(folders, "folder", "folders");
  return parts.join(QCoreApplication::translate("WipeReport", " and "));
}

QString countOf(std::size_t number, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(number).arg(QLatin1String(number == 1 ? one : many));
}

}  // namespace

bool LeftPartlyWiped(const TWipeFailure& failure) {
  switch (failure.Reason) {
    case TWipeFailureReason::PassFailed:
    case TWipeFailureReason::Interrupted:
    case TWipeFailureReason::VerificationFailed:
    case TWipeFailureReason::FreeSpaceFillFailed:
    case TWipeFailureReason::FreeSpaceNotWiped:
    case TWipeFailureReason::ReserveUnreachable:
      return true;
    default:
      return false;
  }
}

TRunTexts FreeSpaceRunTexts(const QString& aborted, const QString& success) {
  return {aborted,
          QCoreApplication::translate("WipeReport", "The free space of %1 has not been wiped."),
          success, false,
          QCoreApplication::translate("WipeReport",
                                      "The free space of %1 has not been wiped completely.")};
}

TRunReport DescribeRunOutcome(const TRunTexts& texts, const TRunOutcome& outcome,
                              const TRunTally& tally) {
  // The numbers are of files; a run over drives has none.
  const bool counted = tally.known() && texts.filesAndFolders;
  QStringList leftBehind;
  QStringList notFound;
  QStringList notes;
  for (const TWipeFailure& failure : outcome.failures) {
    (LeavesSomethingBehind(failure) ? leftBehind : notFound) << failureLine(failure);
  }
  for (const TWipeFailure& note : outcome.notes) notes << failureLine(note);
  QStringList notReached;
  for (const std::string& path : outcome.notReached) notReached << text(path);

  QStringList informative;
  if (!outcome.stoppedIn.empty()) {
    informative << QCoreApplication::translate(
                       "WipeReport",
                       "It stopped while overwriting \"%1\": that file is left under its own name, "
                       "not completely overwritten.")
                       .arg(
                           text(GetShellDisplayName(platform::drives(), outcome.stoppedIn, false)));
  }
  if (!notReached.isEmpty()) {
    informative << QCoreApplication::translate("WipeReport", "Jobs not reached: %1 of %2.")
                       .arg(notReached.size())
                       .arg(std::max(outcome.jobs, outcome.notReached.size()));
  }
  // In numbers: what the run overwrote with every pass.
  if (counted && (outcome.aborted || !leftBehind.isEmpty())) {
    informative << (outcome.aborted ? QCoreApplication::translate(
                                          "WipeReport", "Overwritten before the stop: %1, in %2.")
                                    : QCoreApplication::translate(
                                          "WipeReport", "Overwritten with every pass: %1, in %2."))
                       .arg(tally.What(), tally.Took());
  }
  if (outcome.aborted && !leftBehind.isEmpty()) {
    informative << QCoreApplication::translate("WipeReport", "Left behind: %1.")
                       .arg(texts.filesAndFolders ? leftText(outcome.failures)
                                                  : drivesLeftText(outcome.failures));
  }
  if (!notFound.isEmpty()) {
    informative << QCoreApplication::translate("WipeReport", "Not found when their turn came: %1.")
                       .arg(notFound.size());
  }
  // Few and short: said in full.
  informative << notes;

  QStringList sections;
  if (!outcome.stoppedIn.empty()) {
    addSection(
        sections,
        QCoreApplication::translate("WipeReport", "Left partly overwritten when the run stopped:"),
        {text(outcome.stoppedIn)});
  }
  addSection(sections, QCoreApplication::translate("WipeReport", "Not reached:"), notReached);
  addSection(sections, QCoreApplication::translate("WipeReport", "Left behind:"), leftBehind);
  addSection(sections, QCoreApplication::translate("WipeReport", "Not found:"), notFound);

  TRunReport report{TReportKind::Warning, texts.aborted, informative.join(QLatin1Char('\n')),
                    sections.join(QStringLiteral("\n\n"))};
  if (outcome.aborted) return report;
  if (!leftBehind.isEmpty()) {
    const bool partly = std::any_of(
        outcome.failures.begin(), outcome.failures.end(), [](const TWipeFailure& failure) {
          return LeavesSomethingBehind(failure) && LeftPartlyWiped(failure);
        });
    const QString& lead =
        partly && !texts.partialLead.isEmpty() ? texts.partialLead : texts.failureLead;
    report.text = texts.filesAndFolders ? lead.arg(leftText(outcome.failures))
                                        : lead.arg(drivesLeftText(outcome.failures));
  } else {
    report.kind = TReportKind::Plain;
    report.text = texts.success;
    if (counted) {
      // "... completed successfully: 3,000 files, 258 MB wiped in 61 s."
      if (report.text.endsWith(QLatin1Char('!')) || report.text.endsWith(QLatin1Char('.'))) {
        report.text.chop(1);
      }
      report.text += QCoreApplication::translate("WipeReport", ": %1 wiped in %2.")
                         .arg(tally.What(), tally.Took());
    }
  }
  return report;
}

void ShowRunOutcome(IPromptService& prompts, const TRunTexts& texts, const TRunOutcome& outcome,
                    const TRunTally& tally) {
  const TRunReport report = DescribeRunOutcome(texts, outcome, tally);
  if (report.informative.isEmpty() && report.details.isEmpty()) {
    if (report.kind == TReportKind::Warning) {
      prompts.MessageDialog(TMessageKind::Warning, report.text);
    } else {
      // The information icon, as every page's success has.
      prompts.MessageDialog(TMessageKind::Information, report.text);
    }
    return;
  }
  prompts.DetailedMessage(report.kind, report.text, report.informative, report.details);
}

void ShowRunOutcome(const TRunTexts& texts, const TRunOutcome& outcome) {
  ShowRunOutcome(Prompts(), texts, outcome);
}
