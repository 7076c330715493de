// The progress window: its texts, Cancel, the file line that fits, and bars fed with byte
// counts beyond what a bar holds.

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include <memory>
#include <optional>

#include "core/TWipeEngine.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "ui/SizeFunctions.h"
#include "ui/TRunProgress.h"
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
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("overall");
    const QString dot = QStringLiteral(" \u00b7 ");
    QTest::newRow("no clock: no rate")
        << 1000 << 312 << 0.0 << qint64(0) << qint64(-1)
        << "File 312 of " + QLocale().toString(1000) + dot + FormatSize(0) + " written" << 0.311;
    QTest::newRow("not begun: the first job")
        << 4 << 0 << 0.0 << qint64(0) << qint64(0)
        << "File 1 of 4" + dot + FormatSize(0) + " written" << 0.0;
    QTest::newRow("rate after a second, no time yet")
        << 4 << 1 << 0.5 << qint64(4 << 20) << qint64(2000)
        << "File 1 of 4" + dot + FormatSize(4 << 20) + " written" + dot + FormatSize(2 << 20) + "/s"
        << 0.125;
    // A quarter done in 4 s: three quarters need 12 s more.
    QTest::newRow("time left after three seconds")
        << 4 << 2 << 0.0 << qint64(1000) << qint64(4000)
        << "File 2 of 4" + dot + FormatSize(1000) + " written" + dot + FormatSize(250) + "/s" +
               dot + "about 12 s left"
        << 0.25;
    QTest::newRow("minutes") << 2 << 1 << 0.1 << qint64(0) << qint64(60000)
                             << "File 1 of 2" + dot + FormatSize(0) + " written" + dot +
                                    FormatSize(0) + "/s" + dot + "about 19 min left"
                             << 0.05;
  }

  void overallLineSaysHowFarAndHowLong() {
    QFETCH(int, jobs);
    QFETCH(int, reached);
    QFETCH(double, fraction);
    QFETCH(qint64, written);
    QFETCH(qint64, elapsedMs);
    QFETCH(QString, expected);
    QFETCH(double, overall);
    TRunProgress::TFigures figures;
    figures.jobs = static_cast<std::size_t>(jobs);
    figures.reached = static_cast<std::size_t>(reached);
    figures.jobFraction = fraction;
    figures.written = static_cast<std::uint64_t>(written);
    figures.elapsedMs = elapsedMs;
    QCOMPARE(TRunProgress::Text(figures, QStringLiteral("File")), expected);
    QVERIFY(std::abs(TRunProgress::Fraction(figures) - overall) < 0.001);
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
