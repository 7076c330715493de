// "Wipe with Ferrovane" in the user's file managers: Thunar's list of actions merged without
// losing the user's own, the entries written for this copy of the program only after asking,
// and each entry starting the program with the selection as whole arguments.

#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "MainFormFixture.h"
#include "ui/FileManagerOffer.h"
#include "ui/TFileManagerEntries.h"
#include "ui/ThunarActions.h"

namespace {

const std::string kUserActions =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<actions>\n"
    "<action><icon>utilities-terminal</icon><name>Open Terminal Here</name>"
    "<unique-id>1234-1</unique-id><command>exo-open --launch TerminalEmulator</command>"
    "<patterns>*</patterns><directories/></action>\n"
    "<!-- the user's note -->\n"
    "<action><name>Checksum</name><unique-id>1234-2</unique-id>"
    "<command>sha256sum %f &gt; %f.sum</command><patterns>*</patterns><other-files/></action>\n"
    "</actions>\n";

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

bool runnable(const std::string& path) {
  const auto permissions = std::filesystem::status(path).permissions();
  return (permissions & std::filesystem::perms::owner_exec) != std::filesystem::perms::none;
}

}  // namespace

class FileManagerEntriesTest : public QObject {
  Q_OBJECT

 private slots:
  void thunarMergeKeepsTheUsersActionsAndIsIdempotent();
  void thunarFilesThatAreNotThunarsAreLeftAlone();
  void programPathsAreQuotedForDesktopEntriesAndShells();
  void offerWritesNothingWithoutYesAndThunarOnlyOnItsOwnYes();
  void scriptHandsTheSelectionToThisProgramAsWholeArguments();
  void thunarFilesKeepTheirEncodingAndDocumentType();
};

void FileManagerEntriesTest::thunarMergeKeepsTheUsersActionsAndIsIdempotent() {
  TestFolder folder;
  const TFileManagerEntries entries("/opt/ferrovane/ferrovane");
  const auto once = MergeThunarAction(kUserActions, entries.ThunarAction());
  QVERIFY(once);
  for (const char* kept : {"Open Terminal Here", "exo-open --launch TerminalEmulator",
                           "sha256sum %f &gt; %f.sum", "the user's note", "1234-1", "1234-2"}) {
    QVERIFY2(once->find(kept) != std::string::npos, kept);
  }
  QCOMPARE(count(*once, "<unique-id>ferrovane-wipe</unique-id>"), std::size_t{1});
  QVERIFY(once->find("<command>'/opt/ferrovane/ferrovane' -- %F</command>") != std::string::npos);
  // Again: the same document, the action still once.
  QCOMPARE(MergeThunarAction(*once, entries.ThunarAction()), once);

  // Another copy of the program takes the place of the earlier action, where it stood.
  const auto moved =
      MergeThunarAction(*once, TFileManagerEntries("/usr/bin/ferrovane").ThunarAction());
  QVERIFY(moved);
  QCOMPARE(count(*moved, "<unique-id>ferrovane-wipe</unique-id>"), std::size_t{1});
  QVERIFY(moved->find("/opt/ferrovane") == std::string::npos);
  QVERIFY(moved->find("Checksum") < moved->find("ferrovane-wipe"));

  // A program path with XML's own characters is written as XML and read back unchanged.
  const auto marked =
      MergeThunarAction(kUserActions, TFileManagerEntries("/o/R&D <x>/f").ThunarAction());
  QVERIFY(marked);
  QVERIFY(marked->find("<command>'/o/R&amp;D &lt;x&gt;/f' -- %F</command>") != std::string::npos);

  // A user who has none yet gets a list with only this action.
  const auto fresh = MergeThunarAction("", entries.ThunarAction());
  QVERIFY(fresh);
  QCOMPARE(count(*fresh, "<action>"), std::size_t{1});
  QVERIFY(fresh->find("<actions>") != std::string::npos);
}

void FileManagerEntriesTest::thunarFilesThatAreNotThunarsAreLeftAlone() {
  TestFolder folder;
  const std::string action = TFileManagerEntries("/usr/bin/ferrovane").ThunarAction();
  for (const char* document : {"<actions><action><name>cut", "<settings/>", "not xml at all"}) {
    QCOMPARE(MergeThunarAction(document, action), std::nullopt);
  }
  // Written through the program: the damaged file keeps its bytes and the reason is given.
  const std::string damaged = "<actions><action><name>half written";
  folder.write("config/Thunar/uca.xml", damaged);
  const auto failure = TFileManagerEntries("/usr/bin/ferrovane").WriteThunarAction();
  QVERIFY(failure && failure->find("left as it is") != std::string::npos);
  QCOMPARE(readFileBytes(folder / "config/Thunar/uca.xml"), damaged);
}

void FileManagerEntriesTest::programPathsAreQuotedForDesktopEntriesAndShells() {
  const struct {
    std::string program, desktop, shell;
  } cases[] = {
      {"/usr/bin/ferrovane", "/usr/bin/ferrovane", "'/usr/bin/ferrovane'"},
      {"/opt/My Apps/ferrovane", "\"/opt/My Apps/ferrovane\"", "'/opt/My Apps/ferrovane'"},
      // Exec's own escapes, each backslash doubled again for the desktop file's value.
      {"/o/$HOME/a\"b`c", "\"/o/\\\\$HOME/a\\\\\"b\\\\`c\"", "'/o/$HOME/a\"b`c'"},
      {"/o/back\\slash", "\"/o/back\\\\\\\\slash\"", "'/o/back\\slash'"},
      {"/o/100%/f", "\"/o/100%%/f\"", "'/o/100%/f'"},
      {"/o/it's/f", "\"/o/it's/f\"", "'/o/it'\\''s/f'"},
  };
  for (const auto& c : cases) {
    QCOMPARE(TFileManagerEntries::DesktopExec(c.program), c.desktop);
    QCOMPARE(TFileManagerEntries::ShellWord(c.program), c.shell);
  }
}

void FileManagerEntriesTest::offerWritesNothingWithoutYesAndThunarOnlyOnItsOwnYes() {
  MainFormFixture f;
  const std::string uca = f.folder.write("config/Thunar/uca.xml", kUserActions);
  const std::string program = "/opt/My Apps/ferrovane";
  const TFileManagerEntries entries(program);
  const auto files = entries.UserFiles();
  QCOMPARE(files.size(), std::size_t{4});

  // No: nothing is written. The button on the Options page makes the offer.
  f.prompts.confirmations = {false};
  QTest::mouseClick(f.find<QPushButton>("btnFileManagerEntries"), Qt::LeftButton);
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  for (const auto& file : files) QVERIFY(!pathExists(file.path));

  // Yes to the entries, No to Thunar: its file keeps its bytes.
  f.prompts.confirmations = {true, false};
  OfferFileManagerEntries(program);
  for (const auto& file : files) {
    QVERIFY2(file.path.rfind(f.folder.dataFolder(), 0) == 0, file.path.c_str());
    QCOMPARE(readFileBytes(file.path), file.contents);
    QCOMPARE(runnable(file.path), file.runnable);
  }
  const std::string serviceMenu =
      readFileBytes(f.folder.dataFolder() + "kio/servicemenus/ferrovane-wipe.desktop");
  QVERIFY(serviceMenu.find("Exec=\"/opt/My Apps/ferrovane\" -- %F\n") != std::string::npos);
  QVERIFY(runnable(f.folder.dataFolder() + "nautilus/scripts/Wipe with Ferrovane"));
  // The user's menu entry starts the program but never claims to open files or folders, so
  // xdg-open never hands one to the wiper.
  const std::string menuEntry =
      readFileBytes(f.folder.dataFolder() + "applications/ferrovane.desktop");
  QVERIFY(menuEntry.find("Exec=\"/opt/My Apps/ferrovane\" %F\n") != std::string::npos);
  QVERIFY(menuEntry.find("MimeType=") == std::string::npos);
  QCOMPARE(readFileBytes(uca), kUserActions);
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Ferrovane"));

  // Yes to both, twice: Thunar's file holds the user's actions and ours once.
  for (int i = 0; i < 2; ++i) {
    f.prompts.confirmations = {true, true};
    OfferFileManagerEntries(program);
  }
  const std::string merged = readFileBytes(uca);
  QCOMPARE(count(merged, "<unique-id>"), std::size_t{3});
  QCOMPARE(count(merged, "ferrovane-wipe"), std::size_t{1});
  QVERIFY(f.prompts.unexpected.empty());
}

void FileManagerEntriesTest::scriptHandsTheSelectionToThisProgramAsWholeArguments() {
  TestFolder folder;
  // A stand-in for the program, at a path that needs quoting, writing its arguments one a line.
  const std::string program = folder.write(
      "it's mine/fake ferrovane", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done\n");
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  std::string script;
  for (const auto& file : TFileManagerEntries(program).UserFiles()) {
    if (file.path.find("nautilus") != std::string::npos) script = file.contents;
  }
  const std::string scriptPath = folder.write("script", script);
  // Nautilus starts it in the folder shown, with the names of the selection there: each is
  // handed over as a full path, so that none can pass for an option.
  const std::string shown = folder.makeFolder("shown");
  QProcess run;
  run.setWorkingDirectory(QString::fromStdString(shown));
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("PWD"), QString::fromStdString(shown));
  run.setProcessEnvironment(environment);
  run.start(QStringLiteral("/bin/sh"),
            {QString::fromStdString(scriptPath), QStringLiteral("a b.txt"), QStringLiteral("-rf"),
             QStringLiteral("$(x)"), QStringLiteral("/abs/olute")});
  QVERIFY(run.waitForFinished());
  QCOMPARE(run.readAllStandardOutput(),
           QByteArray::fromStdString("--\n" + shown + "/a b.txt\n" + shown + "/-rf\n" + shown +
                                     "/$(x)\n/abs/olute\n"));
}

void FileManagerEntriesTest::thunarFilesKeepTheirEncodingAndDocumentType() {
  TestFolder folder;
  const std::string latin1 =
      "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
      "<!DOCTYPE actions SYSTEM \"uca.dtd\">\n"
      "<actions>\n<action><name>R\xe9sum\xe9 f\xfcr</name><unique-id>1-1</unique-id>"
      "<command>echo \xe9\xfc %f</command><patterns>*</patterns><other-files/></action>\n"
      "</actions>\n";
  const auto merged =
      MergeThunarAction(latin1, TFileManagerEntries("/usr/bin/ferrovane").ThunarAction());
  QVERIFY(merged);
  // The user's letters stay the bytes of that encoding, under the same declaration.
  QVERIFY(merged->find("R\xe9sum\xe9 f\xfcr") != std::string::npos);
  QVERIFY(merged->find("echo \xe9\xfc %f") != std::string::npos);
  QVERIFY(merged->find("\xc3") == std::string::npos);  // nothing written as UTF-8
  // The action's names in other languages go in where Latin-1 holds them, and only there.
  QVERIFY(merged->find("<name xml:lang=\"de\">Mit Ferrovane l\xf6schen</name>") !=
          std::string::npos);
  QVERIFY(merged->find("xml:lang=\"ru\"") == std::string::npos);
  QVERIFY(merged->find("encoding=\"ISO-8859-1\"") != std::string::npos);
  QVERIFY(merged->find("<!DOCTYPE actions SYSTEM \"uca.dtd\">") != std::string::npos);
  QCOMPARE(count(*merged, "ferrovane-wipe"), std::size_t{1});
  // Again, the same.
  QCOMPARE(MergeThunarAction(*merged, TFileManagerEntries("/usr/bin/ferrovane").ThunarAction()),
           merged);
  // A UTF-8 file keeps its type declaration too, and its byte order mark.
  const std::string utf8 = "\xef\xbb\xbf<?xml version=\"1.0\"?>\n<!DOCTYPE actions>\n<actions/>\n";
  const auto marked =
      MergeThunarAction(utf8, TFileManagerEntries("/usr/bin/ferrovane").ThunarAction());
  QVERIFY(marked && marked->rfind("\xef\xbb\xbf", 0) == 0);
  QVERIFY(marked->find("<!DOCTYPE actions>") != std::string::npos);

  // What the file's encoding cannot hold (a program path outside Latin-1), and encodings the
  // merge cannot write, leave the file as it is, and say why.
  std::string problem;
  QCOMPARE(
      MergeThunarAction(
          latin1, TFileManagerEntries("/opt/\xd1\x84\xd0\xb5/ferrovane").ThunarAction(), &problem),
      std::nullopt);
  QVERIFY(problem.find("encoding") != std::string::npos);
  const std::string windows =
      "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<actions>\x80</actions>\n";
  QCOMPARE(MergeThunarAction(windows, TFileManagerEntries("/usr/bin/ferrovane").ThunarAction(),
                             &problem),
           std::nullopt);
  QVERIFY(problem.find("windows-1252") != std::string::npos);
  folder.write("config/Thunar/uca.xml", windows);
  const auto failure = TFileManagerEntries("/usr/bin/ferrovane").WriteThunarAction();
  QVERIFY(failure && failure->find("left as it is") != std::string::npos);
  QCOMPARE(readFileBytes(folder / "config/Thunar/uca.xml"), windows);
}

QTEST_MAIN(FileManagerEntriesTest)
#include "FileManagerEntriesTest.moc"
