// The device check in the window: "Check the device after wiping" on the Options page follows
// the setting and is saved with it; a run with it on names what the check found among what the
// run left behind, and "Save report..." keeps the run's report where the user chooses. Where
// only the administrator may read the device, the run with administrator rights is offered in
// place of the user's own (on the Delete-with-wiping page and on the Wipe-free-space page), and
// the report it sends back is the one saved.

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>
#include <cstdlib>

#include <filesystem>

#include "MainFormFixture.h"
#include "core/ProgressStream.h"
#include "platform/BlockDevice.h"
#include "support/FakeBlockDevices.h"
#include "support/ScopedMount.h"
#include "ui/AdministratorRun.h"

namespace {

// Devices that only the administrator may read, as an ordinary user finds them, installed while
// the object lives.
struct AdministratorsDevices {
  AdministratorsDevices() { device.refused = platform::DeviceError::NeedsAdministrator; }
  FakeDevice device{0};
  FakeBlockDevices devices{device};
  const platform::ScopedBlockDevices installed{&devices};
};

// Stands in for pkexec: records what it was asked to run in "asked", then sends what the test
// wrote to "stream".
std::string WriteLauncher(TestFolder& folder) {
  const std::string launcher =
      folder.write("launcher", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + folder.path() +
                                   "asked'\ncat '" + folder.path() + "stream'\n");
  std::filesystem::permissions(launcher, std::filesystem::perms::owner_all);
  return launcher;
}

}  // namespace

class DeviceCheckWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theOptionFollowsTheSettingAndIsSaved();
  void aCheckedRunNamesWhatWasFoundAndItsReportIsSaved();
  void aDeviceOnlyTheAdministratorReadsIsCheckedByTheAdministratorsRun();
  void aFreeSpaceRunOnADeviceOnlyTheAdministratorReadsIsOfferedToThem();
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
  // The report names the method the run went by.
  QVERIFY2(json.find("\"method\":{\"name\":\"Zeros\",\"passes\":1}") != std::string::npos,
           json.c_str());
  QVERIFY(json.find("Bandicoot-budget-0.ods") != std::string::npos);
  QVERIFY(f.prompts.unexpected.empty());
}

void DeviceCheckWindowTest::aDeviceOnlyTheAdministratorReadsIsCheckedByTheAdministratorsRun() {
  MainFormFixture f;
  f.withCatalogue();
  f.catalogue().CheckDevice = true;
  const AdministratorsDevices devices;
  const std::string file = f.folder.write("data/ledger.ods", "the user's");
  // What the stand-in for pkexec sends: an outcome and a report.
  const std::string report = "{\"report\":\"ferrovane-run\",\"command\":\"hand-over\"}";
  f.folder.write("stream", ProgressOutcomeLine({}) + "\n" + ProgressReportLine(report) + "\n");
  const std::string launcher = WriteLauncher(f.folder);
  const QString before = SetAdministratorLauncher(QString::fromStdString(launcher));
  f.prompts.openFiles.push_back({file});
  QTest::mouseClick(f.find<QPushButton>("btnAddFiles"), Qt::LeftButton);
  auto start = [&] {
    QTest::mouseClick(f.find<QPushButton>("btnStartShredFiles"), Qt::LeftButton);
  };

  // Cancel: neither the user's run nor the administrator's.
  f.prompts.confirmations = {false};
  start();
  QCOMPARE(f.prompts.lastMessage().action, QStringLiteral("Continue as administrator"));
  QVERIFY(!f.prompts.lastMessage().offeredBox);
  QVERIFY(f.prompts.lastMessage().text.contains(QString::fromStdString(file)));
  QCOMPARE(readFileBytes(file), std::string("the user's"));
  QVERIFY(!pathExists(f.folder / "asked"));
  QVERIFY(!f.find<QPushButton>("btnSaveReport")->isEnabled());

  // Continue: the administrator's run is asked to check the device; the user's run is not made.
  f.prompts.confirmations = {true};
  start();
  QCOMPARE(readFileBytes(f.folder / "asked"),
           CommandLineProgram() + "\n--progress=json\nhand-over\n--verify-device\n");
  QCOMPARE(readFileBytes(file), std::string("the user's"));
  QCOMPARE(f.rowPaths("lvFiles"), std::vector<std::string>{file});  // still there, still listed
  // "Save report..." keeps what the administrator's run reported.
  QPushButton* save = f.find<QPushButton>("btnSaveReport");
  QVERIFY(save->isEnabled());
  f.prompts.saveFiles.push_back(f.folder / "report.json");
  QTest::mouseClick(save, Qt::LeftButton);
  QCOMPARE(readFileBytes(f.folder / "report.json"), report + "\n");
  QVERIFY(f.prompts.unexpected.empty());
  SetAdministratorLauncher(before);
}

void DeviceCheckWindowTest::aFreeSpaceRunOnADeviceOnlyTheAdministratorReadsIsOfferedToThem() {
  TestFolder disks;
  const std::string drive = disks.makeFolder("drive");
  MainFormFixture f(mountLine(20, "8:1", drive, "ext4"));
  f.withCatalogue();
  f.catalogue().CheckDevice = true;
  const AdministratorsDevices devices;
  f.folder.write("stream", ProgressOutcomeLine({}) + "\n");
  const std::string launcher = WriteLauncher(f.folder);
  const QString before = SetAdministratorLauncher(QString::fromStdString(launcher));
  std::vector<std::vector<std::string>> runs;
  f.setRunner(
      fakeRun([&](TWipeEngine& engine) { runs.push_back(MainFormFixture::itemPaths(engine)); }));
  auto start = [&] { QTest::mouseClick(f.find<QPushButton>("btnFreeExecute"), Qt::LeftButton); };

  // Cancel: neither the user's run nor the administrator's.
  f.prompts.confirmations = {false};
  start();
  QCOMPARE(f.prompts.lastMessage().action, QStringLiteral("Continue as administrator"));
  QVERIFY2(f.prompts.lastMessage().text.contains(
               QStringLiteral("your own run would leave it \"not verified (needs administrator "
                              "rights)\"")),
           qPrintable(f.prompts.lastMessage().text));
  QVERIFY(f.prompts.lastMessage().text.contains(QString::fromStdString(drive)));
  QVERIFY(runs.empty());
  QVERIFY(!pathExists(f.folder / "asked"));

  // Continue: the administrator's run fills the drive and checks the device; the user's is not
  // made, and the drive is not left in the engine.
  f.prompts.confirmations = {true};
  start();
  QCOMPARE(readFileBytes(f.folder / "asked"),
           CommandLineProgram() + "\n--progress=json\nhand-over\n--verify-device\n");
  QVERIFY(runs.empty());
  QVERIFY(f.freeSpace().Items.empty());

  // Without the check the user's own run wipes the drive.
  f.catalogue().CheckDevice = false;
  start();
  QCOMPARE(runs, (std::vector<std::vector<std::string>>{{drive + "/"}}));
  QVERIFY(f.prompts.unexpected.empty());
  SetAdministratorLauncher(before);
}

QTEST_MAIN(DeviceCheckWindowTest)
#include "DeviceCheckWindowTest.moc"
