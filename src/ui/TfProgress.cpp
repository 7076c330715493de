#include "ui/TfProgress.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QLocale>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <limits>

#include "core/ShortenPath.h"
#include "core/TWipeEngine.h"
#include "ui/SizeFunctions.h"
#include "ui_TfProgress.h"

TfProgress::TfProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      ui_(std::make_unique<Ui::TfProgress>()) {
  ui_->setupUi(this);
  setWindowTitle("Delete Files and Folders");
  ui_->lblFile->clear();
  ui_->lblPass->clear();
  ui_->btnCancel->setText("&Cancel");
  ui_->btnCancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  connect(ui_->btnCancel, &QPushButton::clicked, this, &TfProgress::btnCancelClick);
  redraw();
  // Lays the controls out now, so that the file line knows its width before the first show.
  layout()->activate();
}

TfProgress::~TfProgress() {
  finishFile();
  if (Engine) {
    tally_.elapsedMs = Clock && started_ >= 0 ? Clock() - started_ : -1;
    KeepRunTally(*Engine, tally_);
  }
}

std::unique_ptr<TfProgress> TfProgress::Open(TWipeEngine& engine) {
  auto window = std::make_unique<TfProgress>();
  window->Engine = &engine;
  window->setWindowTitle(TRunProgress::Title(engine));
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  window->Clock = [clock] { return static_cast<std::int64_t>(clock->elapsed()); };
  window->redraw();
  window->show();
  window->raise();
  window->activateWindow();
  // The engine's own run (not one shown from another program's progress stream).
  if (engine.Running()) window->CountJobs();
  return window;
}

void TfProgress::CountJobs() {
  if (!Engine) return;
  const bool anyFiles =
      std::any_of(Engine->Items.begin(), Engine->Items.end(),
                  [](const auto& item) { return item->Kind == wkFile || item->Kind == wkFolder; });
  if (!anyFiles) return;
  ui_->lblFile->setText(QCoreApplication::translate("TfProgress", "Counting the files to wipe..."));
  const auto shown = [this](const TJobCount& sofar) {
    ui_->lblOverall->setText(QCoreApplication::translate("TfProgress", "%1 files, %2 so far")
                                 .arg(QLocale().toString(static_cast<qulonglong>(sofar.files)),
                                      FormatSize(static_cast<std::int64_t>(sofar.bytes))));
  };
  const TJobCount counted = TJobCount::Of(*Engine, [&](const TJobCount& sofar) {
    shown(sofar);
    QCoreApplication::processEvents();
    return !cancelled_;
  });
  ui_->lblFile->clear();
  if (counted.complete && !cancelled_) count_ = counted;
  drawn_ = -1;
  redraw();
}

void TfProgress::btnCancelClick() {
  cancelled_ = true;
  if (Engine) Engine->Stop();
}

void TfProgress::reject() {
  btnCancelClick();
}

void TfProgress::closeEvent(QCloseEvent* event) {
  // The run owns the window; closing it by hand only asks the run to stop.
  event->ignore();
  btnCancelClick();
}

void TfProgress::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!promptParent_) promptParent_.emplace(this);
  CentreOnScreen();
}

void TfProgress::hideEvent(QHideEvent* event) {
  promptParent_.reset();
  QDialog::hideEvent(event);
}

void TfProgress::CentreOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void TfProgress::Paint(QProgressBar* bar, const ByteRange& range) {
  // Byte counts above what an int holds are shifted right until the range fits.
  int shift = 0;
  while ((range.maximum >> shift) > std::uint64_t(std::numeric_limits<int>::max())) ++shift;
  const std::uint64_t position = std::min(range.position, range.maximum);
  bar->setRange(0, static_cast<int>(range.maximum >> shift));
  bar->setValue(static_cast<int>(position >> shift));
}

void TfProgress::redraw() {
  std::int64_t now = -1;
  if (Clock) {
    now = Clock();
    if (started_ < 0) started_ = now;
    if (drawn_ >= 0 && now - drawn_ < 100) return;
    drawn_ = now;
  }
  Paint(ui_->FileProgressBar, file_);
  Paint(ui_->PassProgressBar, pass_);
  TRunProgress::TFigures figures;
  figures.jobFraction = file_.maximum > 0
                            ? static_cast<double>(std::min(file_.position, file_.maximum)) /
                                  static_cast<double>(file_.maximum)
                            : 0;
  if (count_) {
    // Of the files counted: a step after the last file (a journal cleared) is no file's.
    figures.jobs = static_cast<std::size_t>(count_->files);
    figures.reached = static_cast<std::size_t>(filesBegun_);
    figures.total = count_->bytes;
    figures.done = doneBytes_;
    if (fileOpen_) {
      figures.done +=
          static_cast<std::uint64_t>(figures.jobFraction * static_cast<double>(currentSize_));
    }
  } else if (Engine) {
    figures.jobs = Engine->Items.size();
    figures.reached = Engine->ItemsReached();
  }
  figures.written = written_;
  figures.elapsedMs = Clock ? drawn_ - started_ : -1;
  const double fraction = TRunProgress::Fraction(figures);
  if (Clock) {
    timeLeft_.Sample(figures.elapsedMs, fraction);
    figures.secondsLeft = timeLeft_.Seconds();
  }
  ui_->OverallProgressBar->setValue(
      static_cast<int>(fraction * ui_->OverallProgressBar->maximum()));
  const QString unit = count_   ? QCoreApplication::translate("TfProgress", "File")
                       : Engine ? TRunProgress::UnitOf(*Engine)
                                : QCoreApplication::translate("TfProgress", "Job");
  ui_->lblOverall->setText(TRunProgress::Text(figures, unit));
}

void TfProgress::beginFile() {
  finishFile();
  ++filesBegun_;
  // The pass range is the size of the file that begins.
  currentSize_ = pass_.maximum;
  currentRange_ = file_.maximum;
  fileOpen_ = true;
}

void TfProgress::finishFile() {
  if (!fileOpen_) return;
  fileOpen_ = false;
  doneBytes_ += currentSize_;
  // Overwritten whole with every pass only where the file's bar reached its end (the bar's
  // range may be the next file's already; its position is still this one's).
  if (file_.position >= currentRange_) {
    ++tally_.files;
    tally_.bytes += currentSize_;
  }
}

void TfProgress::SetFileRange(std::uint64_t maximum) {
  file_.maximum = maximum;
  redraw();
}

void TfProgress::SetFilePosition(std::uint64_t position) {
  file_.position = position;
  redraw();
}

void TfProgress::SetPassRange(std::uint64_t maximum) {
  pass_.maximum = maximum;
  redraw();
}

void TfProgress::SetPassPosition(std::uint64_t position) {
  pass_.position = position;
  redraw();
}

void TfProgress::Advance(std::uint64_t bytes) {
  const auto add = [bytes](std::uint64_t value) {
    return value > std::numeric_limits<std::uint64_t>::max() - bytes
               ? std::numeric_limits<std::uint64_t>::max()
               : value + bytes;
  };
  file_.position = add(file_.position);
  pass_.position = add(pass_.position);
  written_ = add(written_);
  redraw();
}

void TfProgress::ShowFile(const std::string& text) {
  beginFile();
  QLabel* label = ui_->lblFile;
  const QFontMetrics metrics(label->font());
  const int width = label->contentsRect().width();
  const std::string shown = ShortenPath(text, [&](const std::string& candidate) {
    return metrics.horizontalAdvance(QString::fromLocal8Bit(candidate)) <= width;
  });
  label->setText(metrics.elidedText(QString::fromLocal8Bit(shown), Qt::ElideMiddle, width));
  label->setToolTip(QString::fromLocal8Bit(text));
}

void TfProgress::ShowStep(const std::string& text) {
  finishFile();
  ui_->lblFile->setText(QString::fromUtf8(text));
  ui_->lblFile->setToolTip(QString());
  ui_->lblPass->clear();
}

void TfProgress::ShowPass(int number, int total) {
  ui_->lblPass->setText(QString("Pass %1 of %2").arg(number).arg(total));
}

void TfProgress::ShowVerifying(int number, int total) {
  ui_->lblPass->setText(QString("Verifying pass %1 of %2").arg(number).arg(total));
}
