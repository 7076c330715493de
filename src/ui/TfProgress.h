#pragma once
// The progress window of a wipe run: an animation, the file being wiped, the pass being written,
// a bar for the whole file and one for the pass, and Cancel. The engine drives all of it through
// IWipeProgress; the window's own action is to ask the engine to stop.

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/WipeServices.h"
#include "dialogs/QtPromptService.h"

class QProgressBar;
class TWipeEngine;
namespace Ui {
class TfProgress;
}

class TfProgress : public QDialog, public IWipeProgress {
  Q_OBJECT

 public:
  explicit TfProgress(QWidget* parent = nullptr);
  ~TfProgress() override;

  // The window of a run of the engine: shown without blocking the other windows, in front of
  // them. The run closes it by destroying it.
  static std::unique_ptr<TfProgress> Open(TWipeEngine& engine);

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

  std::unique_ptr<Ui::TfProgress> ui_;
  ByteRange file_;
  ByteRange pass_;
  std::uint64_t written_ = 0;
  std::int64_t started_ = -1;
  std::int64_t drawn_ = -1;
  std::optional<TPromptParent> promptParent_;
};
