// The progress window: its texts, Cancel, the file line that fits, and bars fed with byte
// counts beyond what a bar holds.

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "core/TWipeEngine.h"
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
    const auto opened = TfProgress::Open(engine);
    TfProgress& window = *opened;
    QVERIFY(window.isVisible());
    QCOMPARE(window.Engine, &engine);
    QVERIFY(!window.isModal());
    auto* cancel = control<QPushButton>(window, "btnCancel");
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(engine.Aborted);
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(engine.Aborted);
    QVERIFY(window.isVisible());
    // Escape and closing the window by hand stop the run too, but only the run closes it.
    engine.Aborted = false;
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(engine.Aborted);
    engine.Aborted = false;
    QVERIFY(!window.close());
    QVERIFY(engine.Aborted);
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
};

QTEST_MAIN(TfProgressTest)
#include "TfProgressTest.moc"
