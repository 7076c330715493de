// The JSON progress stream of a run done by the command line, read back by the window into the
// same outcome, and so the same report, as the window's own runs.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <filesystem>

#include "core/ProgressStream.h"
#include "platform/Result.h"
#include "support/TestFolder.h"
#include "ui/ProgressStreamReader.h"
#include "ui/WipeReport.h"

namespace {

const TRunTexts kTexts{QStringLiteral("aborted"), QStringLiteral("left: %1"),
                       QStringLiteral("done")};

void compareReports(const TRunOutcome& read, const TRunOutcome& written) {
  const TRunReport expected = DescribeRunOutcome(kTexts, written);
  const TRunReport actual = DescribeRunOutcome(kTexts, read);
  QCOMPARE(actual.kind, expected.kind);
  QCOMPARE(actual.text, expected.text);
  QCOMPARE(actual.informative, expected.informative);
  QCOMPARE(actual.details, expected.details);
}

}  // namespace

class ProgressStreamTest : public QObject {
  Q_OBJECT

 private slots:
  void outcomeReadsBackToTheSameReport();
  void linesThatAreNotTheStreamsAreRefused();
  void theCommandLinesStreamOfARealRun();
};

void ProgressStreamTest::outcomeReadsBackToTheSameReport() {
  TRunOutcome written;
  written.aborted = true;
  written.jobs = 4;
  written.stoppedIn = "/data/caf\xe9 \"big\" 100%.iso";
  written.notReached = {"/data/line\nbreak", "/data/back\\slash"};
  written.failures = {
      {"/data/locked", TWipeFailureReason::CannotOpen,
       std::make_error_code(std::errc::permission_denied)},
      {"/data/linked", TWipeFailureReason::SharedContent, platform::FileError::Shared},
      {"/mnt/usb", TWipeFailureReason::FreeSpaceFillFailed, {}, "12 MB \"reserved\" not reached"},
  };
  written.notes = {{"/mnt/usb", TWipeFailureReason::NotDiscarded,
                    std::make_error_code(std::errc::operation_not_supported)}};
  const std::string line = ProgressOutcomeLine(written);
  QVERIFY(line.find('\n') == std::string::npos);  // one line, whatever the names hold
  const auto record = ReadProgressLine(QByteArray::fromStdString(line));
  QVERIFY(record && record->outcome && !record->progress);
  const TRunOutcome& read = *record->outcome;
  QCOMPARE(read.stoppedIn, written.stoppedIn);
  QCOMPARE(read.notReached, written.notReached);
  QCOMPARE(read.jobs, written.jobs);
  QCOMPARE(read.failures.size(), written.failures.size());
  for (std::size_t i = 0; i < read.failures.size(); ++i) {
    QCOMPARE(read.failures[i].Path, written.failures[i].Path);
    QCOMPARE(read.failures[i].Reason, written.failures[i].Reason);
    QCOMPARE(read.failures[i].Error.message(), written.failures[i].Error.message());
    QCOMPARE(read.failures[i].Detail, written.failures[i].Detail);
  }
  compareReports(read, written);
  // A run that left nothing behind reads back as one.
  const auto clean = ReadProgressLine(QByteArray::fromStdString(ProgressOutcomeLine({})));
  QVERIFY(clean && clean->outcome);
  compareReports(*clean->outcome, TRunOutcome{});

  const auto progress = ReadProgressLine(
      QByteArray::fromStdString(ProgressEventLine({"/data/\xff.bin", 2, 3, 4096, 12288})));
  QVERIFY(progress && progress->progress && !progress->outcome);
  QCOMPARE(progress->progress->path, std::string("/data/\xff.bin"));
  QCOMPARE(progress->progress->pass, 2);
  QCOMPARE(progress->progress->passes, 3);
  QCOMPARE(progress->progress->done, std::uint64_t{4096});
  QCOMPARE(progress->progress->total, std::uint64_t{12288});

  // The run's report travels whole, its quotes, escapes and bytes that are not text included;
  // the line end after it stays out.
  const std::string json = "{\"report\":\"ferrovane-run\",\"path\":\"/data/\\\"%\xff\"}";
  const auto report = ReadProgressLine(QByteArray::fromStdString(ProgressReportLine(json + "\n")));
  QVERIFY(report && report->report && !report->outcome && !report->progress);
  QCOMPARE(*report->report, json);
}

void ProgressStreamTest::linesThatAreNotTheStreamsAreRefused() {
  for (const char* line : {
           "ferrovane-cli: /x: not found",
           "{\"phase\":\"outcome\"}",
           "{\"phase\":\"progress\",\"path\":\"/x\",\"done\":1}",
           "{\"phase\":\"other\",\"path\":\"/x\"}",
           "{\"phase\":\"report\",\"json\":\"\"}",
           "{\"phase\":\"report\",\"json\":\"{}\",\"more\":1}",
           "{\"phase\":\"outcome\",\"aborted\":false,\"jobs\":1,\"stoppedIn\":\"\",\"notReached\":["
           "],"
           "\"failures\":[{\"path\":\"/x\",\"reason\":999}],\"notes\":[]}",
           // Text outside printable ASCII is not the stream's: its bytes would be guessed at.
           "{\"phase\":\"progress\",\"path\":\"/caf\\u00e9\",\"done\":1,\"total\":2}",
       }) {
    QVERIFY2(!ReadProgressLine(QByteArray(line)), line);
  }
}

void ProgressStreamTest::theCommandLinesStreamOfARealRun() {
  TestFolder folder;
  // A folder with a name that is not valid text, and a file whose content has a second name
  // outside: the run wipes the first and leaves the other whole, saying so.
  const std::string odd = folder.write("tree/caf\xe9.bin", std::string(300000, 'x'));
  const std::string shared = folder.write("tree/shared", "y");
  std::filesystem::create_hard_link(shared, folder / "hard");

  QProcess cli;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), QString::fromStdString(folder.homeFolder()));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                     QString::fromStdString(folder.configFolder()));
  cli.setProcessEnvironment(environment);
  cli.start(QStringLiteral(FERROVANE_CLI),
            {QStringLiteral("--progress=json"), QStringLiteral("wipe"), QStringLiteral("-r"),
             QString::fromStdString(folder / "tree")});
  QVERIFY(cli.waitForFinished(60000));
  QCOMPARE(cli.exitCode(), 1);  // something was left behind

  std::vector<TProgressEvent> progress;
  std::optional<TRunOutcome> outcome;
  std::optional<std::string> report;
  for (const QByteArray& line : cli.readAllStandardOutput().split('\n')) {
    if (line.isEmpty()) continue;
    const auto record = ReadProgressLine(line);
    QVERIFY2(record, line.constData());
    QVERIFY2(!report, "the report is the stream's last event");
    if (record->progress) progress.push_back(*record->progress);
    if (record->outcome) outcome = record->outcome;
    if (record->report) report = record->report;
  }
  // The run's report comes last, the one --report would write.
  QVERIFY(report);
  const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(*report)).object();
  QCOMPARE(json[QStringLiteral("command")].toString(), QStringLiteral("wipe"));
  QCOMPARE(json[QStringLiteral("exitStatus")].toInt(), 1);
  QCOMPARE(json[QStringLiteral("targets")].toArray().size(), 1);
  QVERIFY(!progress.empty());
  QCOMPARE(progress.front().path, odd);  // the name's bytes, not valid text
  QVERIFY(progress.size() < 300);        // steps, not a line per block
  bool oddFinished = false;
  for (const auto& event : progress) {
    QVERIFY(event.done <= event.total);
    if (event.path == odd && event.total > 0 && event.done == event.total) oddFinished = true;
  }
  QVERIFY(oddFinished);
  QVERIFY(outcome);
  QCOMPARE(outcome->jobs, std::size_t{1});
  QVERIFY(!outcome->aborted);
  bool sharedNamed = false;
  for (const TWipeFailure& failure : outcome->failures) {
    if (failure.Path == shared && failure.Reason == TWipeFailureReason::SharedContent) {
      sharedNamed = true;
    }
  }
  QVERIFY(sharedNamed);
  QVERIFY(!pathExists(odd));
  QCOMPARE(readFileBytes(shared), std::string("y"));
}

QTEST_MAIN(ProgressStreamTest)
#include "ProgressStreamTest.moc"
