// The progress window: its texts, Cancel, the file line that fits, and bars fed with byte
// counts beyond what a bar holds.

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>
#include <cmath>
#include <filesystem>

#include <memory>
#include <optional>

#include "core/TWipeEngine.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "support/TestFolder.h"
#include "ui/SizeFunctions.h"
#include "ui/TJobCount.h"
#include "ui/TRunProgress.h"
#include "ui/TTimeLeft.h"
#include "ui/TfProgress.h"

class TfProgressTest : public QObject {
  Q_OBJECT

 private:
  template <typename T>
  static T* control(TfProgress& window, const char* name) {
    T* child = window.findChild<T*>(name);
    if (!child) qFatal("missing control %s", name);
    return child;
  }

 private slots:
  // The title counts in the plural form of the user's language: German has two forms, Polish
  // and Russian three (one, a few, many); the tally of a finished run counts the same way.
  void titleCountsInTheUsersLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("folders");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("tally");  // the count of the tally, before its size
    QTest::newRow("de 1") << "de" << 1 << 0 << "Löschen: 1 Datei"
                          << "1 Datei";
    QTest::newRow("de 3") << "de" << 3 << 0 << "Löschen: 3 Dateien"
                          << "3 Dateien";
    QTest::newRow("de both") << "de" << 2 << 1 << "Löschen: 2 Dateien und 1 Ordner"
                             << "2 Dateien";
    QTest::newRow("pl 1") << "pl" << 1 << 0 << "Wymazywanie: 1 plik"
                          << "1 plik";
    QTest::newRow("pl 3") << "pl" << 3 << 0 << "Wymazywanie: 3 pliki"
                          << "3 pliki";
    QTest::newRow("pl 5") << "pl" << 5 << 0 << "Wymazywanie: 5 plików"
                          << "5 plików";
    QTest::newRow("pl 22 folders") << "pl" << 0 << 22 << "Wymazywanie: 22 foldery"
                                   << "0 plików";
    QTest::newRow("ru 1") << "ru" << 1 << 0 << "Затирание: 1 файл"
                          << "1 файл";
    QTest::newRow("ru 3") << "ru" << 3 << 0 << "Затирание: 3 файла"
                          << "3 файла";
    QTest::newRow("ru 11") << "ru" << 11 << 0 << "Затирание: 11 файлов"
                           << "11 файлов";
    QTest::newRow("ru 21 folders") << "ru" << 0 << 21 << "Затирание: 21 папка"
                                   << "0 файлов";
  }
  void titleCountsInTheUsersLanguage() {
    QFETCH(QString, language);
    QFETCH(int, files);
    QFETCH(int, folders);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("ferrovane_") + language,
                            QStringLiteral(FERROVANE_TRANSLATIONS)));
    QCoreApplication::installTranslator(&translator);
    TWipeEngine engine("WipeFiles");
    for (int i = 0; i < files; ++i) engine.AddItem(std::make_unique<TWipeItem>(wkFile, "/f"));
    for (int i = 0; i < folders; ++i) engine.AddItem(std::make_unique<TWipeItem>(wkFolder, "/d"));
    const QString title = TRunProgress::Title(engine);
    TRunTally run;
    run.files = static_cast<std::size_t>(files);
    const QString what = run.What();
    QCoreApplication::removeTranslator(&translator);
    QTEST(title, "title");
    QFETCH(QString, tally);
    QVERIFY2(what.startsWith(tally + QStringLiteral(", ")), qPrintable(what));
  }

  void opensWithItsCaptionAndEmptyLines() {
    TfProgress window;
    QCOMPARE(window.windowTitle(), QString("Delete Files and Folders"));
    QCOMPARE(control<QPushButton>(window, "btnCancel")->text(), QString("&Cancel"));
    QVERIFY(control<QLabel>(window, "lblFile")->text().isEmpty());
    QVERIFY(control<QLabel>(window, "lblPass")->text().isEmpty());
    QVERIFY(control<QWidget>(window, "Animate"));
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowSystemMenuHint));
    QCOMPARE(window.Engine, nullptr);
  }

  void cancelAsksTheEngineToStopAndKeepsTheWindowOpen() {
    {
      TfProgress alone;
      alone.show();
      QTest::mouseClick(control<QPushButton>(alone, "btnCancel"), Qt::LeftButton);  // ignored
    }
    TWipeEngine engine("WipeFiles");
    // The window stops the run in progress: its stop token is what Cancel sets.
    auto run = std::make_unique<WipeRun>(SilentWipeServices());
    std::optional<TWipeEngine::RunScope> scope(std::in_place, engine, *run);
    const auto opened = TfProgress::Open(engine);
    TfProgress& window = *opened;
    QVERIFY(window.isVisible());
    QCOMPARE(window.Engine, &engine);
    QVERIFY(!window.isModal());
    auto* cancel = control<QPushButton>(window, "btnCancel");
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(run->Stop.Requested());
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(run->Stop.Requested());
    QVERIFY(window.isVisible());
    // Escape and closing the window by hand stop the run too, but only the run closes it.
    // A new run, with a token of its own.
    const auto fresh = [&] {
      scope.reset();
      run = std::make_unique<WipeRun>(SilentWipeServices());
      scope.emplace(engine, *run);
    };
    fresh();
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(run->Stop.Requested());
    fresh();
    QVERIFY(!window.close());
    QVERIFY(run->Stop.Requested());
    QVERIFY(window.isVisible());
  }

  void linesShowThePassAndAPathThatFits() {
    TfProgress window;
    auto* file = control<QLabel>(window, "lblFile");
    window.ShowPass(2, 3);
    QCOMPARE(control<QLabel>(window, "lblPass")->text(), QString("Pass 2 of 3"));
    window.ShowVerifying(2, 3);
    QCOMPARE(control<QLabel>(window, "lblPass")->text(), QString("Verifying pass 2 of 3"));
    window.ShowFile("/home/user/notes.txt");
    QCOMPARE(file->text(), QString("/home/user/notes.txt"));

    std::string deep = "/home";
    for (int i = 0; i < 40; ++i) deep += "/folder" + std::to_string(i);
    window.ShowFile(deep + "/report.txt");
    QVERIFY(file->text().startsWith("/.../"));
    QVERIFY(file->text().endsWith("/report.txt"));
    QVERIFY(QFontMetrics(file->font()).horizontalAdvance(file->text()) <= file->width());
    QCOMPARE(file->toolTip(), QString::fromStdString(deep + "/report.txt"));

    // A name too long even alone keeps its beginning and its end, cut in the middle.
    const std::string longName = "start" + std::string(400, 'n') + ".pdf";
    window.ShowFile(deep + "/" + longName);
    QVERIFY(file->text().startsWith("start") && file->text().endsWith(".pdf"));
    QVERIFY(file->text().contains(QChar(0x2026)));
    QVERIFY(QFontMetrics(file->font()).horizontalAdvance(file->text()) <= file->width());
    QCOMPARE(file->toolTip(), QString::fromStdString(deep + "/" + longName));
    // Names that are not valid text are shown, not refused.
    window.ShowFile("/tmp/caf\xe9\xff.txt");
    QVERIFY(file->text().endsWith(".txt"));
  }

  void barsFollowByteCountsOfAnySize() {
    TfProgress window;
    auto* fileBar = control<QProgressBar>(window, "FileProgressBar");
    auto* passBar = control<QProgressBar>(window, "PassProgressBar");
    window.SetFileRange(300);
    window.SetPassRange(100);
    window.SetFilePosition(0);
    window.SetPassPosition(0);
    window.Advance(30);
    QCOMPARE(fileBar->maximum(), 300);
    QCOMPARE(fileBar->value(), 30);
    QCOMPARE(passBar->value(), 30);
    window.Advance(100);  // a pass may write a little more than the file holds
    QCOMPARE(passBar->value(), 100);
    QCOMPARE(fileBar->value(), 130);

    // Three passes over a 4 TiB file.
    const std::uint64_t size = std::uint64_t(4) << 40;
    window.SetFileRange(3 * size);
    window.SetFilePosition(0);
    window.Advance(size + size / 2);
    QVERIFY(fileBar->maximum() > 0);
    QVERIFY(fileBar->maximum() <= std::numeric_limits<int>::max());
    QCOMPARE(double(fileBar->value()) / fileBar->maximum(), 0.5);
    window.SetFilePosition(3 * size);
    QCOMPARE(fileBar->value(), fileBar->maximum());
    window.SetPassRange(std::numeric_limits<std::uint64_t>::max());
    window.SetPassPosition(std::numeric_limits<std::uint64_t>::max());
    QCOMPARE(passBar->value(), passBar->maximum());
  }

  void titleNamesTheJob() {
    const auto title = [](std::initializer_list<std::pair<TWipeItemKind, const char*>> jobs) {
      TWipeEngine engine("WipeFiles");
      for (const auto& [kind, path] : jobs) engine.AddItem(std::make_unique<TWipeItem>(kind, path));
      return TRunProgress::Title(engine);
    };
    TWipeEngine many("WipeFiles");
    for (int i = 0; i < 1000; ++i) many.AddItem(std::make_unique<TWipeItem>(wkFile, "/f"));
    QCOMPARE(TRunProgress::Title(many),
             QStringLiteral("Wiping %1 files").arg(QLocale().toString(1000)));
    QCOMPARE(title({{wkFile, "/a"}}), QStringLiteral("Wiping 1 file"));
    QCOMPARE(title({{wkFolder, "/a"}, {wkFile, "/b"}, {wkFile, "/c"}}),
             QStringLiteral("Wiping 2 files and 1 folder"));
    QCOMPARE(title({{wkFreeSpace, "/data/"}}), QStringLiteral("Wiping free space of /data"));
    QCOMPARE(title({{wkFreeSpace, "/"}}), QStringLiteral("Wiping free space of /"));
    QCOMPARE(title({{wkFreeSpace, "/"}, {wkFreeSpace, "/data/"}}),
             QStringLiteral("Wiping free space of 2 drives"));
    // The opened window carries it.
    TWipeEngine engine("WipeFiles");
    engine.AddItem(std::make_unique<TWipeItem>(wkFolder, "/a"));
    QCOMPARE(TfProgress::Open(engine)->windowTitle(), QStringLiteral("Wiping 1 folder"));
  }

  void overallLineSaysHowFarAndHowLong_data() {
    QTest::addColumn<int>("jobs");
    QTest::addColumn<int>("reached");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<qint64>("written");
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<qint64>("secondsLeft");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("overall");
    const QString dot = QStringLiteral(" \u00b7 ");
    QTest::newRow("no clock: no rate")
        << 1000 << 312 << 0.0 << qint64(0) << qint64(0) << qint64(0) << qint64(-1) << qint64(-1)
        << "File 312 of " + QLocale().toString(1000) + dot + FormatSize(0) + " written" << 0.311;
    QTest::newRow("not begun: the first job")
        << 4 << 0 << 0.0 << qint64(0) << qint64(0) << qint64(0) << qint64(0) << qint64(-1)
        << "File 1 of 4" + dot + FormatSize(0) + " written" << 0.0;
    QTest::newRow("rate after a second, no time yet")
        << 4 << 1 << 0.5 << qint64(4 << 20) << qint64(0) << qint64(0) << qint64(2000) << qint64(-1)
        << "File 1 of 4" + dot + FormatSize(4 << 20) + " written" + dot + FormatSize(2 << 20) + "/s"
        << 0.125;
    QTest::newRow("a steady time left")
        << 4 << 2 << 0.0 << qint64(1000) << qint64(0) << qint64(0) << qint64(4000) << qint64(12)
        << "File 2 of 4" + dot + FormatSize(1000) + " written" + dot + FormatSize(250) + "/s" +
               dot + "about 12 s left"
        << 0.25;
    QTest::newRow("minutes") << 2 << 1 << 0.1 << qint64(0) << qint64(0) << qint64(0)
                             << qint64(60000) << qint64(1140)
                             << "File 1 of 2" + dot + FormatSize(0) + " written" + dot +
                                    FormatSize(0) + "/s" + dot + "about 19 min left"
                             << 0.05;
    // Counted first: the files and bytes are of the whole run, however many jobs it has.
    QTest::newRow("counted") << 3000 << 2811 << 0.5 << qint64(3 * (240 << 20)) << qint64(240 << 20)
                             << qint64(258 << 20) << qint64(30000) << qint64(3)
                             << "File " + QLocale().toString(2811) + " of " +
                                    QLocale().toString(3000) + dot + FormatSize(240 << 20) +
                                    " of " + FormatSize(258 << 20) + dot +
                                    FormatSize((3 * (240 << 20)) / 30) + "/s" + dot +
                                    "about 3 s left"
                             << 240.0 / 258.0;
  }

  void overallLineSaysHowFarAndHowLong() {
    QFETCH(int, jobs);
    QFETCH(int, reached);
    QFETCH(double, fraction);
    QFETCH(qint64, written);
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    QFETCH(qint64, elapsedMs);
    QFETCH(qint64, secondsLeft);
    QFETCH(QString, expected);
    QFETCH(double, overall);
    TRunProgress::TFigures figures;
    figures.jobs = static_cast<std::size_t>(jobs);
    figures.reached = static_cast<std::size_t>(reached);
    figures.jobFraction = fraction;
    figures.written = static_cast<std::uint64_t>(written);
    figures.done = static_cast<std::uint64_t>(done);
    figures.total = static_cast<std::uint64_t>(total);
    figures.elapsedMs = elapsedMs;
    figures.secondsLeft = secondsLeft;
    QCOMPARE(TRunProgress::Text(figures, QStringLiteral("File")), expected);
    QVERIFY(std::abs(TRunProgress::Fraction(figures) - overall) < 0.001);
  }

  // The time left is told only once the run's pace is steady, then follows it without jumps.
  void timeLeftIsToldOnlyOnceSteady() {
    // A steady run of 60 s, sampled ten times a second.
    TTimeLeft steady;
    std::int64_t firstTold = -1;
    std::int64_t previous = -1;
    for (std::int64_t ms = 0; ms <= 30000; ms += 100) {
      steady.Sample(ms, static_cast<double>(ms) / 60000.0);
      const std::int64_t told = steady.Seconds();
      if (ms < TTimeLeft::kFirstMs) QCOMPARE(told, std::int64_t{-1});
      if (told < 0) continue;
      if (firstTold < 0) firstTold = ms;
      const double truth = (60000.0 - static_cast<double>(ms)) / 1000.0;
      QVERIFY2(std::abs(static_cast<double>(told) - truth) <= 0.1 * truth + 1,
               qPrintable(QStringLiteral("%1 s told at %2 ms").arg(told).arg(ms)));
      // Counting down, never jumping up.
      if (previous >= 0) QVERIFY(told <= previous + 1);
      previous = told;
    }
    QVERIFY(firstTold >= TTimeLeft::kFirstMs);
    QVERIFY(firstTold <= TTimeLeft::kFirstMs + TTimeLeft::kSteadyMs + 1000);

    // A fraction that jumps about, as the current file's did: never a time.
    TTimeLeft jumping;
    for (std::int64_t ms = 0; ms <= 30000; ms += 100) {
      const double fraction = (ms / 300) % 2 == 0 ? 0.18 + 0.0001 * (ms / 100) : 0.95;
      jumping.Sample(ms, fraction);
      QCOMPARE(jumping.Seconds(), std::int64_t{-1});
    }
    // A run that stalls for a whole window has no time to tell.
    TTimeLeft stalled;
    for (std::int64_t ms = 0; ms <= 10000; ms += 250) stalled.Sample(ms, ms / 20000.0);
    QVERIFY(stalled.Seconds() > 0);
    for (std::int64_t ms = 10250; ms <= 22000; ms += 250) stalled.Sample(ms, 0.5);
    QCOMPARE(stalled.Seconds(), std::int64_t{-1});
  }

  // A folder's files are counted before the run, so the whole run's figures are of its files,
  // and what the window saw is kept for the report after the run.
  void aCountedRunShowsTheWholeRunAndKeepsItsTally() {
    TestFolder folder;
    const std::string tree = folder.makeFolder("tree");
    folder.write("tree/a", std::string(1000, 'a'));
    folder.write("tree/sub/b", std::string(2000, 'b'));
    folder.write("tree/sub/deeper/c", std::string(3000, 'c'));
    // Neither a link nor a file with other names is overwritten, so neither is counted.
    std::filesystem::create_symlink(folder / "tree/a", folder / "tree/link");
    folder.write("shared", std::string(5000, 's'));
    std::filesystem::create_hard_link(folder / "shared", folder / "tree/sub/shared");
    TWipeEngine engine("WipeFolders");
    engine.AddItem(std::make_unique<TWipeItem>(wkFolder, tree));
    engine.AddItem(std::make_unique<TWipeItem>(wkFolder, tree + "/"));  // run once, counted once

    const TJobCount counted = TJobCount::Of(engine);
    QCOMPARE(counted.files, std::uint64_t{3});
    QCOMPARE(counted.bytes, std::uint64_t{6000});
    QVERIFY(counted.complete);

    std::int64_t now = 0;
    {
      TfProgress window;
      window.Engine = &engine;
      window.Clock = [&now] { return now; };
      window.CountJobs();
      auto* overall = control<QProgressBar>(window, "OverallProgressBar");
      auto* line = control<QLabel>(window, "lblOverall");
      // The engine's steps for a file of two passes, written whole or stopped part-way.
      const auto wipe = [&](const std::string& name, std::uint64_t size, std::uint64_t upTo) {
        now += 1000;
        window.SetFileRange(2 * size);
        window.SetPassRange(size);
        window.ShowFile(folder / name);
        window.SetFilePosition(0);
        window.Advance(upTo);
      };
      wipe("tree/a", 1000, 2000);
      wipe("tree/sub/b", 2000, 4000);
      now += 1000;
      window.Advance(0);
      // Two of three files begun, the second written whole: 3000 of 6000 bytes.
      QCOMPARE(double(overall->value()) / overall->maximum(), 0.5);
      QVERIFY2(line->text().startsWith(QStringLiteral("File 2 of 3 \u00b7 ") + FormatSize(3000) +
                                       QStringLiteral(" of ") + FormatSize(6000)),
               qPrintable(line->text()));
      // The third is stopped in its first pass: not counted as wiped.
      wipe("tree/sub/deeper/c", 3000, 1500);
      now += 1000;
      window.Advance(0);
      QCOMPARE(double(overall->value()) / overall->maximum(), 3750.0 / 6000.0);
    }
    const TRunTally tally = LastRunTally(engine);
    QCOMPARE(tally.files, std::size_t{2});
    QCOMPARE(tally.bytes, std::uint64_t{3000});
    QCOMPARE(tally.elapsedMs, std::int64_t{5000});
  }

  void barsAreRedrawnAtMostTenTimesASecond() {
    TfProgress window;
    std::int64_t now = 0;
    window.Clock = [&now] { return now; };
    auto* fileBar = control<QProgressBar>(window, "FileProgressBar");
    auto* label = control<QLabel>(window, "lblOverall");
    window.SetFileRange(100);
    QCOMPARE(fileBar->maximum(), 100);
    // Many small changes within a tenth of a second: none is drawn.
    for (int i = 0; i < 50; ++i) {
      now += 1;
      window.SetFileRange(10);
      window.Advance(10);
    }
    QCOMPARE(fileBar->maximum(), 100);
    QCOMPARE(fileBar->value(), 0);
    // A tenth of a second on, the next change draws the latest state.
    now = 100;
    window.Advance(0);
    QCOMPARE(fileBar->maximum(), 10);
    QCOMPARE(fileBar->value(), 10);
    QVERIFY(label->text().startsWith(FormatSize(500) + QStringLiteral(" written")));
  }
};

QTEST_MAIN(TfProgressTest)
#include "TfProgressTest.moc"
