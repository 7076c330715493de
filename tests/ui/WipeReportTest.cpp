// What the user is told after a run: the summary names what was left, in its own unit, and says
// "not completely" only of what was overwritten in part.

#include <QtTest>

#include "ui/WipeReport.h"

Q_DECLARE_METATYPE(std::vector<TWipeFailure>)

namespace {

using Reason = TWipeFailureReason;

TWipeFailure failure(const char* path, Reason reason) {
  return {path, reason};
}

const TRunTexts kFileTexts{QStringLiteral("aborted"),
                           QStringLiteral("The wipe task has not been completed. Left behind: %1."),
                           QStringLiteral("done")};
const TRunTexts kDriveTexts = FreeSpaceRunTexts(QStringLiteral("aborted"), QStringLiteral("done"));

}  // namespace

class WipeReportTest : public QObject {
  Q_OBJECT

 private slots:
  void summaries_data();
  void summaries();
  void aStoppedFreeSpaceRunCountsDrives();
};

void WipeReportTest::summaries_data() {
  QTest::addColumn<bool>("drives");
  QTest::addColumn<std::vector<TWipeFailure>>("failures");
  QTest::addColumn<QString>("text");
  QTest::newRow("one file") << false << std::vector{failure("/d/a", Reason::CannotOpen)}
                            << "The wipe task has not been completed. Left behind: 1 file.";
  QTest::newRow("files and a folder")
      << false
      << std::vector{failure("/d/a", Reason::PassFailed), failure("/d/b", Reason::CannotDelete),
                     failure("/d", Reason::FolderNotRemoved), failure("/d/c", Reason::NotFound)}
      << "The wipe task has not been completed. Left behind: 2 files and 1 folder.";
  QTest::newRow("a drive never written")
      << true << std::vector{failure("/mnt/a/", Reason::FreeSpaceFileNotCreated)}
      << "The free space of 1 drive has not been wiped.";
  QTest::newRow("drives refused") << true
                                  << std::vector{failure("/mnt/a/", Reason::MountedReadOnly),
                                                 failure("/mnt/b/", Reason::NoLongerMounted)}
                                  << "The free space of 2 drives has not been wiped.";
  QTest::newRow("a fill that stopped part-way")
      << true << std::vector{failure("/mnt/a/", Reason::FreeSpaceFillFailed)}
      << "The free space of 1 drive has not been wiped completely.";
  QTest::newRow("one drive, two failures, one of them partial")
      << true
      << std::vector{failure("/mnt/a/", Reason::ReserveUnreachable),
                     failure("/mnt/a/", Reason::FreeSpaceNotWiped),
                     failure("/mnt/b/", Reason::NeedsAdministrator)}
      << "The free space of 2 drives has not been wiped completely.";
  QTest::newRow("only notes") << true << std::vector{failure("/mnt/a/", Reason::NotDiscarded)}
                              << "done";
}

void WipeReportTest::summaries() {
  QFETCH(bool, drives);
  QFETCH(std::vector<TWipeFailure>, failures);
  QFETCH(QString, text);
  TRunOutcome outcome;
  for (const TWipeFailure& entry : failures) {
    (LeavesSomethingBehind(entry) || entry.Reason == Reason::NotFound ? outcome.failures
                                                                      : outcome.notes)
        .push_back(entry);
  }
  const TRunReport report = DescribeRunOutcome(drives ? kDriveTexts : kFileTexts, outcome);
  QCOMPARE(report.text, text);
}

void WipeReportTest::aStoppedFreeSpaceRunCountsDrives() {
  TRunOutcome outcome;
  outcome.aborted = true;
  outcome.failures = {failure("/mnt/a/", Reason::FreeSpaceFillFailed),
                      failure("/mnt/a/", Reason::ReserveUnreachable)};
  const TRunReport report = DescribeRunOutcome(kDriveTexts, outcome);
  QCOMPARE(report.text, QStringLiteral("aborted"));
  QVERIFY2(report.informative.contains(QStringLiteral("Left behind: 1 drive.")),
           qPrintable(report.informative));
}

QTEST_MAIN(WipeReportTest)
#include "WipeReportTest.moc"
