// The run's report as other programs read it: the JSON parses and holds every field its schema
// (docs/run-report.schema.json) requires; without names it holds no path at all; a path that is
// not UTF-8 still gives valid JSON; the page for people shows paths as text, never as markup.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "core/RunRecordWriter.h"

namespace {

TRunRecord SampleRecord() {
  TRunRecord record;
  record.Program = "ferrovane-cli";
  record.Version = "1.2.3";
  record.Command = "wipe";
  record.Started = 1700000000;
  record.Ended = 1700000042;
  record.Host = "workstation";
  record.User = "root";
  record.Method = "Three passes";
  record.Passes = 3;
  record.CheckAsked = true;
  TDeviceCheckSummary summary;
  summary.Verified = 1;
  summary.Found = 1;
  summary.BytesRead = 1 << 20;
  summary.Notes = {"sda: the device reports itself as flash (not rotational)"};
  record.Check = summary;
  TRunRecordTarget target;
  target.Path = "/mnt/data/\"quoted\" <b>report</b>.odt";
  target.Kind = "folder";
  target.Device.fileSystem = "ext4";
  target.Device.device = "dm-0";
  target.Device.layers = {{"dm-0", "crypt", "luks-data"}, {"sda2", "partition", ""}};
  target.Device.model = "Samsung SSD";
  target.Device.serial = "S5Y1";
  target.Device.rotational = false;
  target.Device.encrypted = true;
  target.Device.devices = 1;
  target.Files = 2;
  target.BytesWritten = 3 * 8192;
  target.Verified = 1;
  target.Found = 1;
  target.LeftBehind = {{"/mnt/data/kept\xff.bin", TWipeFailureReason::CannotDelete}};
  target.FileVerdicts = {
      {"/mnt/data/a.txt", TDeviceRecord::Verdict::Verified, "verified on the device", 1, 1, 0},
      {"/mnt/data/b.txt", TDeviceRecord::Verdict::Found,
       "1 of 1 blocks compared still hold the old content, at device offsets 4096", 1, 1, 1}};
  record.Targets = {target};
  record.Journals = {{"/mnt/data", true, "file names cleared from the journal"}};
  record.ExitStatus = 1;
  return record;
}

QJsonObject Parsed(const std::string& json) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) {
    qWarning() << error.errorString() << QByteArray::fromStdString(json);
    return {};
  }
  return document.object();
}

// Whether any object in the value has the key.
bool HasKey(const QJsonValue& value, const QString& key) {
  if (value.isObject()) {
    const QJsonObject object = value.toObject();
    if (object.contains(key)) return true;
    for (const QJsonValue& member : object) {
      if (HasKey(member, key)) return true;
    }
  } else if (value.isArray()) {
    for (const QJsonValue& member : value.toArray()) {
      if (HasKey(member, key)) return true;
    }
  }
  return false;
}

}  // namespace

class RunReportJsonTest : public QObject {
  Q_OBJECT

 private slots:
  void theReportHoldsEveryFieldOfItsSchema();
  void withoutNamesNoPathIsWritten();
  void thePageShowsPathsAsText();
};

void RunReportJsonTest::theReportHoldsEveryFieldOfItsSchema() {
  const QJsonObject report = Parsed(RunRecordJson(SampleRecord(), true));
  QVERIFY(!report.isEmpty());
  for (const char* key : {"report", "reportVersion", "program", "version", "command", "started",
                          "ended", "host", "user", "uid", "method", "namesShown", "deviceCheck",
                          "targets", "journals", "uncounted", "exitStatus"}) {
    QVERIFY2(report.contains(QLatin1String(key)), key);
  }
  QCOMPARE(report[QStringLiteral("report")].toString(), QStringLiteral("ferrovane-run"));
  QCOMPARE(report[QStringLiteral("started")].toString(), QStringLiteral("2023-11-14T22:13:20Z"));
  QCOMPARE(report[QStringLiteral("method")][QStringLiteral("passes")].toInt(), 3);
  QCOMPARE(report[QStringLiteral("exitStatus")].toInt(), 1);
  const QJsonObject check = report[QStringLiteral("deviceCheck")].toObject();
  QCOMPARE(check[QStringLiteral("found")].toInt(), 1);
  QCOMPARE(check[QStringLiteral("bytesRead")].toInt(), 1 << 20);
  QCOMPARE(check[QStringLiteral("notes")].toArray().size(), 1);

  const QJsonObject target = report[QStringLiteral("targets")].toArray()[0].toObject();
  for (const char* key :
       {"path", "kind", "fileSystem", "device", "files", "bytesWritten", "reach", "deviceCheck"}) {
    QVERIFY2(target.contains(QLatin1String(key)), key);
  }
  QCOMPARE(target[QStringLiteral("path")].toString(),
           QStringLiteral("/mnt/data/\"quoted\" <b>report</b>.odt"));
  const QJsonObject device = target[QStringLiteral("device")].toObject();
  QCOMPARE(device[QStringLiteral("model")].toString(), QStringLiteral("Samsung SSD"));
  QCOMPARE(device[QStringLiteral("serial")].toString(), QStringLiteral("S5Y1"));
  QCOMPARE(device[QStringLiteral("rotational")].toBool(true), false);
  QCOMPARE(device[QStringLiteral("encrypted")].toBool(), true);
  QCOMPARE(device[QStringLiteral("layers")][1][QStringLiteral("kind")].toString(),
           QStringLiteral("partition"));
  QCOMPARE(target[QStringLiteral("bytesWritten")].toInt(), 3 * 8192);
  const QJsonObject reach = target[QStringLiteral("reach")].toObject();
  QCOMPARE(reach[QStringLiteral("verdict")].toString(), QStringLiteral("left something"));
  // A path that is not UTF-8, written so that the JSON stays valid.
  QCOMPARE(reach[QStringLiteral("problems")][0][QStringLiteral("path")].toString(),
           QStringLiteral("/mnt/data/kept%FF.bin"));
  const QJsonObject verdicts = target[QStringLiteral("deviceCheck")].toObject();
  QCOMPARE(verdicts[QStringLiteral("verdict")].toString(), QStringLiteral("found"));
  const QJsonArray files = verdicts[QStringLiteral("files")].toArray();
  QCOMPARE(files.size(), 2);
  QCOMPARE(files[1][QStringLiteral("verdict")].toString(), QStringLiteral("found"));
  QCOMPARE(files[1][QStringLiteral("oldBlocks")].toInt(), 1);
  QCOMPARE(report[QStringLiteral("journals")][0][QStringLiteral("cleared")].toBool(), true);
}

void RunReportJsonTest::withoutNamesNoPathIsWritten() {
  const std::string json = RunRecordJson(SampleRecord(), false);
  const QJsonObject report = Parsed(json);
  QVERIFY(!report.isEmpty());
  QCOMPARE(report[QStringLiteral("namesShown")].toBool(true), false);
  QVERIFY(!HasKey(report, QStringLiteral("path")));
  QVERIFY(!HasKey(report, QStringLiteral("folder")));
  QVERIFY(json.find("/mnt/data") == std::string::npos);
  // The counts stay, and what needs the user's eye is listed by its verdict alone.
  const QJsonObject target = report[QStringLiteral("targets")].toArray()[0].toObject();
  QCOMPARE(target[QStringLiteral("files")].toInt(), 2);
  const QJsonArray files = target[QStringLiteral("deviceCheck")][QStringLiteral("files")].toArray();
  QCOMPARE(files.size(), 1);
  QCOMPARE(files[0][QStringLiteral("verdict")].toString(), QStringLiteral("found"));
}

void RunReportJsonTest::thePageShowsPathsAsText() {
  const std::string page = RunRecordFor("/tmp/report.HTML", SampleRecord(), true);
  QVERIFY(page.rfind("<!DOCTYPE html>", 0) == 0);
  QVERIFY(page.find("&lt;b&gt;report&lt;/b&gt;") != std::string::npos);
  QVERIFY(page.find("<b>report</b>") == std::string::npos);
  QVERIFY(page.find("Samsung SSD") != std::string::npos);
  QVERIFY(RunRecordFor("/tmp/report.json", SampleRecord(), true).rfind("{\"report\"", 0) == 0);
}

QTEST_GUILESS_MAIN(RunReportJsonTest)
#include "RunReportJsonTest.moc"
