#include "ui/QtCleanerEnvironment.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

namespace {

class QtClipboard final : public IClipboard {
 public:
  void Empty() override {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection()) clipboard->clear(QClipboard::Selection);
  }
  bool HasContent() override {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    auto holds = [clipboard](QClipboard::Mode mode) {
      const QMimeData* data = clipboard->mimeData(mode);
      return data && !data->formats().isEmpty();
    };
    return holds(QClipboard::Clipboard) ||
           (clipboard->supportsSelection() && holds(QClipboard::Selection));
  }
};

class QtTimer final : public ITimer {
 public:
  QtTimer(int intervalMs, std::function<void()> onTick) {
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [onTick = std::move(onTick)] {
      if (onTick) onTick();
    });
  }
  void SetEnabled(bool enabled) override {
    if (enabled) {
      timer_.start();
    } else {
      timer_.stop();
    }
  }
  bool Enabled() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
};

// The environment in use with the clipboard and the timers of Qt.
TCleanerEnvironment withQt(IClipboard* clipboard) {
  TCleanerEnvironment environment = CleanerEnvironment();
  environment.Clipboard = clipboard;
  environment.TimerFactory = [](int intervalMs, std::function<void()> onTick) {
    return std::make_unique<QtTimer>(intervalMs, std::move(onTick));
  };
  return environment;
}

}  // namespace

QtCleanerEnvironment::QtCleanerEnvironment()
    : clipboard_(std::make_unique<QtClipboard>()), installed_(withQt(clipboard_.get())) {}

QtCleanerEnvironment::~QtCleanerEnvironment() = default;
