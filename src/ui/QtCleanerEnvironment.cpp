#include "ui/QtCleanerEnvironment.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

namespace {

class QtClipboard final : public IClipboard {
 public:
  void Empty() override {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
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

}  // namespace

QtCleanerEnvironment::QtCleanerEnvironment()
    : clipboard_(std::make_unique<QtClipboard>()),
      previousClipboard_(CleanerEnvironment().Clipboard),
      previousTimerFactory_(CleanerEnvironment().TimerFactory) {
  CleanerEnvironment().Clipboard = clipboard_.get();
  CleanerEnvironment().TimerFactory = [](int intervalMs, std::function<void()> onTick) {
    return std::make_unique<QtTimer>(intervalMs, std::move(onTick));
  };
}

QtCleanerEnvironment::~QtCleanerEnvironment() {
  CleanerEnvironment().Clipboard = previousClipboard_;
  CleanerEnvironment().TimerFactory = std::move(previousTimerFactory_);
}
