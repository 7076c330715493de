// The device check in the window: "Check the device after wiping" on the Options page follows
// the setting and is saved with it; a run with it on names what the check found among what the
// run left behind, and "Save report..." keeps the run's report where the user chooses.

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>
#include <cstdlib>

#include "MainFormFixture.h"
#include "support/ScopedMount.h"

class DeviceCheckWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theOptionFollowsTheSettingAndIsSaved();
  void aCheckedRunNamesWhatWasFoundAndItsReportIsSaved();
};

void DeviceCheckWindowTest::theOptionFollowsTheSettingAndIsSaved() {
  MainFormFixture f;
  f.withCatalogue();
  auto* option = f.find<QCheckBox>("chkCheckDevice");
  QVERIFY(option);
  QVERIFY(!option->isChecked());
  QVERIFY(!f.catalogue().CheckDevice);
  option->setChecked(true);
  QVERIFY(f.catalogue().CheckDevice);
  f.catalogue().SaveSettings();
  const std::string saved = readFileBytes(f.folder / "program/Ferrovane.ini");
  QVERIFY2(saved.find("CheckDevice=1") != std::string::npos, saved.c_str());
  // Nothing was run yet: there is no report to save.
  QVERIFY(!f.find<QPushButton>("btnSaveReport")->isEnabled());
}

void DeviceCheckWindowTest::aCheckedRunNamesWhatWasFoundAndItsReportIsSaved() {
  MainFormFixture f;
  f.withCatalogue();
  ScopedMount mount(f.folder.makeFolder("mnt"), ScopedMount::Kind::Ext4Image, 64,
                    "-b 4096 -J size=4");
  if (!mount.mounted()) QSKIP(mount.reason().c_str());
  std::vector<std::string> paths;
  for (int i = 0; i < 2; ++i) {
    paths.push_back(f.folder.write("mnt/Bandicoot-budget-" + std::to_string(i) + ".ods",
                                   std::string(9000, static_cast<char>('p' + i))));
  }
  QCOMPARE(std::system("sync"), 0);
  f.catalogue().CheckDevice = true;
  // The journal is left as it is: the names stay in it, where the check finds them.
  f.catalogue().ChooseJournalForRun(false);
  f.prompts.openFiles.push_back(paths);
  QTest::mouseClick(f.find<QPushButton>("btnAddFiles"), Qt::LeftButton);
  QTest::mouseClick(f.find<QPushButton>("btnStartShredFiles"), Qt::LeftButton);
  QVERIFY(!pathExists(paths[0]) && !pathExists(paths[1]));
  const auto& shown = f.prompts.lastMessage();
  QVERIFY2(shown.details.contains(QStringLiteral(
               "Bandicoot-budget-1.ods: was deleted, but the device check found it: its name is "
               "still on the device: in the journal at device offset")),
           qPrintable(shown.details));

  QPushButton* save = f.find<QPushButton>("btnSaveReport");
  QVERIFY(save->isEnabled());
  const std::string report = f.folder / "report.json";
  f.prompts.saveFiles.push_back(report);
  QTest::mouseClick(save, Qt::LeftButton);
  const std::string json = readFileBytes(report);
  QVERIFY2(json.rfind("{\"report\":\"ferrovane-run\"", 0) == 0, json.c_str());
  QVERIFY(json.find("\"program\":\"ferrovane\"") != std::string::npos);
  QVERIFY(json.find("\"found\":2") != std::string::npos);
  QVERIFY(json.find("Bandicoot-budget-0.ods") != std::string::npos);
  QVERIFY(f.prompts.unexpected.empty());
}

QTEST_MAIN(DeviceCheckWindowTest)
#include "DeviceCheckWindowTest.moc"
