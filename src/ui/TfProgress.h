#pragma once
// The progress window of a wipe run: an animation, the file being wiped, the pass being written,
// a bar for the whole file and one for the pass, a bar and a line for the whole run, and Cancel.
// The engine drives all of it through IWipeProgress; the window's own action is to ask the
// engine to stop. For a run of files and folders it counts their files and bytes first, so that
// the whole run's bar, its "File 2,811 of 3,000" and its bytes are of the whole run, and it
// keeps what the run did for the report after it (LastRunTally).

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/WipeServices.h"
#include "dialogs/QtPromptService.h"
#include "ui/TJobCount.h"
#include "ui/TRunProgress.h"
#include "ui/TTimeLeft.h"

class QProgressBar;
class TWipeEngine;
namespace Ui {
class TfProgress;
}

class TfProgress : public QDialog, public IWipeProgress {
  Q_OBJECT

 public:
  explicit TfProgress(QWidget* parent = nullptr);

  // The window of a run of the engine: shown without blocking the other windows, in front of
  // them. The run closes it by destroying it. For a run of the engine's own (it is running)
  // the files of its jobs are counted first (CountJobs).
  static std::unique_ptr<TfProgress> Open(TWipeEngine& engine);
  ~TfProgress() override;
  // Counts the files and bytes of the engine's jobs, the count shown as it grows and the
  // window handling events meanwhile; Cancel ends the count (the run then stops before its
  // first job). From then on the whole run's figures are of the files counted.
  void CountJobs();

  // The engine that Cancel stops, and whose jobs the overall line counts; not owned. None:
  // Cancel does nothing and the overall line shows only the bytes written.
  TWipeEngine* Engine = nullptr;
  // Milliseconds from a fixed point. With a clock, the bars and lines are redrawn at most ten
  // times a second (the last change waits for the next redraw), and the rate and the time left
  // are shown; without one (a window made alone), every change is drawn at once.
  std::function<std::int64_t()> Clock;

  void SetFileRange(std::uint64_t maximum) override;
  void SetFilePosition(std::uint64_t position) override;
  void SetPassRange(std::uint64_t maximum) override;
  void SetPassPosition(std::uint64_t position) override;
  // The path in the file line, folder names cut from the front until it fits; a name that
  // does not fit alone is cut in the middle. The whole path is the line's tooltip.
  void ShowFile(const std::string& text) override;
  // "Pass <number> of <total>".
  void ShowPass(int number, int total) override;
  // "Verifying pass <number> of <total>".
  void ShowVerifying(int number, int total) override;
  // The step's text in the file line, the pass line empty.
  void ShowStep(const std::string& text) override;
  void Advance(std::uint64_t bytes) override;

  // Centres the window on the screen it opens on.
  void CentreOnScreen();

 public slots:
  void btnCancelClick();
  // Escape asks to stop, like Cancel; the window closes only when the run ends.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // While the window is shown, prompts open modal to it and above it.
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // A bar's range and position in bytes; the bar itself holds them scaled to fit an int.
  struct ByteRange {
    std::uint64_t maximum = 0;
    std::uint64_t position = 0;
  };
  static void Paint(QProgressBar* bar, const ByteRange& range);
  // Draws the bars and the overall line, unless the last drawing is less than a tenth of a
  // second old.
  void redraw();

  // A file of the run begins (the file line changes), or a step that is no file's.
  void beginFile();
  void finishFile();

  std::unique_ptr<Ui::TfProgress> ui_;
  ByteRange file_;
  ByteRange pass_;
  std::uint64_t written_ = 0;
  std::int64_t started_ = -1;
  std::int64_t drawn_ = -1;
  std::optional<TPromptParent> promptParent_;
  // The files and bytes counted before the run; none where nothing was counted.
  std::optional<TJobCount> count_;
  bool cancelled_ = false;
  // The files begun, the bytes of the files done, and the size of the one under way.
  std::uint64_t filesBegun_ = 0;
  std::uint64_t doneBytes_ = 0;
  std::uint64_t currentSize_ = 0;
  std::uint64_t currentRange_ = 0;
  bool fileOpen_ = false;
  TRunTally tally_;
  TTimeLeft timeLeft_;
};
