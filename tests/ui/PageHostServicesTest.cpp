// Pages look at the system only through the window around them: a window that gives a page its
// own registry, file system, trash, folders and prompts is the only one the page uses, and a
// failure of that file system reaches the page's report, told through those prompts, with its
// reason.

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/TfEditMethod.h"
#include "platform/Drives.h"
#include "platform/posix/RegistryStore.h"
#include "support/Confinement.h"
#include "support/FakePageHost.h"
#include "support/FakePrompts.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"
#include "support/ThrowingServices.h"
#include "ui/pages/TAboutPage.h"
#include "ui/pages/TPageHost.h"
#include "ui/pages/TSpecialFoldersPage.h"
#include "ui/widgets/TPathRow.h"

namespace {

const char* const kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

TPathRow* rowOf(QTreeWidget* list, const std::string& path) {
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    auto* row = static_cast<TPathRow*>(list->topLevelItem(i));
    if (row->Path == path) return row;
  }
  return nullptr;
}

}  // namespace

class PageHostServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void specialFoldersReadTheWindowsRegistryAndTrash();
  void aTrashFolderTheWindowsFileSystemCannotListIsReported();
  void aboutPageNamesTheWindowsFolders();
  void sizesComeFromTheWindowsServicesWhileTheInstalledOnesFailAnyCall();
};

void PageHostServicesTest::specialFoldersReadTheWindowsRegistryAndTrash() {
  TestConfinement confinement;
  TestFolder folder;
  ScopedTestRegistry programRegistry(folder);  // the registry installed for the program
  FakePrompts prompts;
  FakePageHost host(folder, prompts);
  const std::string history = folder.makeFolder("own/History");
  const std::string elsewhere = folder.makeFolder("program/History");
  QVERIFY(host.registry.createKey(platform::kCurrentUser, kShellFolders));
  QVERIFY(host.registry.writeString(platform::kCurrentUser, kShellFolders, "History", history));
  QVERIFY(programRegistry.store().createKey(platform::kCurrentUser, kShellFolders));
  QVERIFY(programRegistry.store().writeString(platform::kCurrentUser, kShellFolders, "History",
                                              elsewhere));
  folder.makeFolder("own/Trash/files/kept");
  host.trash = {folder / "own/Trash/"};

  TSpecialFoldersPage page(host);
  page.FillSpecialFolders();
  page.FillRecycleBinFolders();
  auto* shell = page.findChild<QTreeWidget*>(QStringLiteral("lvAllItems"));
  QVERIFY(rowOf(shell, history) != nullptr);
  QVERIFY(rowOf(shell, elsewhere) == nullptr);
  auto* bin = page.findChild<QTreeWidget*>(QStringLiteral("lvRecycleBin"));
  QVERIFY(rowOf(bin, folder / "own/Trash/files") != nullptr);
  QVERIFY(rowOf(bin, folder / "own/Trash/files/kept") != nullptr);
}

void PageHostServicesTest::aTrashFolderTheWindowsFileSystemCannotListIsReported() {
  TestConfinement confinement;
  TestFolder folder;
  ScopedTestRegistry programRegistry(folder);
  FakePrompts prompts;         // the window's
  FakePrompts programPrompts;  // installed for the program, which the page never asks
  FakePageHost host(folder, prompts);
  const std::string trash = folder.makeFolder("Trash") + "/";
  const std::string trashed = folder.write("Trash/files/a", "x");
  folder.write("Trash/info/a.trashinfo", "[Trash Info]\n");
  host.trash = {trash};
  host.files.failList = {trash + "info"};
  prompts.confirmations = {true};  // the question before the run

  TSpecialFoldersPage page(host);
  page.FillRecycleBinFolders();
  auto* bin = page.findChild<QTreeWidget*>(QStringLiteral("lvRecycleBin"));
  TPathRow* files = rowOf(bin, trash + "files");
  QVERIFY(files != nullptr);
  files->setCheckState(0, Qt::Checked);
  QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("btnSpecialExecute")),
                    Qt::LeftButton);

  // What could be listed is wiped; the folder that could not is named with the reason, and the
  // run is not told as completed.
  QCOMPARE(host.ran, std::vector<std::string>{"WipeFiles " + trashed});
  const FakePrompts::Message& report = prompts.lastMessage();
  QVERIFY2(!report.text.contains(QStringLiteral("successfully")), qPrintable(report.text));
  const QString told = report.text + report.informative + report.details;
  QVERIFY2(told.contains(QString::fromStdString(trash + "info")), qPrintable(told));
  QVERIFY2(told.contains(QString::fromStdString(
               std::make_error_code(std::errc::permission_denied).message())),
           qPrintable(told));
  QVERIFY(programPrompts.messages.empty());
}

void PageHostServicesTest::aboutPageNamesTheWindowsFolders() {
  TestConfinement confinement;
  TestFolder folder;
  ScopedTestRegistry programRegistry(folder);
  FakePrompts prompts;
  FakePageHost host(folder, prompts);
  host.settingsFolder = folder / "own settings/";
  host.methodsFolder = folder / "own methods/";
  TAboutPage page(host);
  const QString text = page.findChild<QLabel*>(QStringLiteral("lblAboutProgram"))->text();
  QVERIFY2(text.contains(QStringLiteral("are kept in ") +
                         QString::fromStdString(host.settingsFolder) + QLatin1Char('\n')),
           qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("are kept in ") +
                         QString::fromStdString(host.methodsFolder) + QLatin1Char('\n')),
           qPrintable(text));
}

void PageHostServicesTest::sizesComeFromTheWindowsServicesWhileTheInstalledOnesFailAnyCall() {
  TestConfinement confinement;
  TestFolder folder;
  ScopedTestRegistry programRegistry(folder);
  FakePrompts prompts;
  FakePageHost host(folder, prompts);
  const std::string history = folder.makeFolder("own/History");
  folder.write("own/History/a", std::string(1000, 'x'));
  folder.write("own/History/deeper/b", std::string(1048, 'x'));
  const std::string trash = folder.makeFolder("own/Trash") + "/";
  folder.write("own/Trash/files/c", std::string(3072, 'x'));
  host.trash = {trash};
  QVERIFY(host.registry.createKey(platform::kCurrentUser, kShellFolders));
  QVERIFY(host.registry.writeString(platform::kCurrentUser, kShellFolders, "History", history));

  // The page is made first: its settings come from the settings file, read as every file is.
  TSpecialFoldersPage page(host);
  ThrowingFileSystem installedFiles;
  ThrowingRegistry installedRegistry;
  const platform::ScopedFileSystem files(installedFiles);
  const platform::ScopedRegistry registry(installedRegistry);
  page.FillSpecialFolders();
  page.FillRecycleBinFolders();
  TPathRow* row = rowOf(page.findChild<QTreeWidget*>(QStringLiteral("lvAllItems")), history);
  QVERIFY(row != nullptr);
  QCOMPARE(row->text(2), QStringLiteral("2 KiB"));
  row = rowOf(page.findChild<QTreeWidget*>(QStringLiteral("lvRecycleBin")), trash + "files");
  QVERIFY(row != nullptr);
  QCOMPARE(row->text(1), QStringLiteral("3 KiB"));
}

QTEST_MAIN(PageHostServicesTest)
#include "PageHostServicesTest.moc"
