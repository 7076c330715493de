#pragma once
// The schedule dialog of the Clean traces page: whether the traces are cleaned on a schedule,
// its kind (once, every N minutes, every N hours and minutes, daily, weekly on chosen days,
// monthly on a day or on the n-th week day of chosen months) with the settings of each kind,
// and the traces a scheduled clean removes. It edits a copy; the page keeps the result only
// when the dialog ends with OK.

#include <QDialog>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cleaner/ScheduleSettings.h"

class QAbstractButton;
namespace Ui {
class TfSchedule;
}

class TfSchedule : public QDialog {
  Q_OBJECT

 public:
  // An item of the catalogue: its name (as kept in the settings) and its caption.
  using TItem = std::pair<std::string, std::string>;

  explicit TfSchedule(QWidget* parent = nullptr);
  ~TfSchedule() override;

  // Shows the settings; `items` are the catalogue's items in order.
  void SetSchedule(const TScheduleSettings& settings, const std::vector<TItem>& items);
  // The settings as the controls now say.
  TScheduleSettings Schedule() const;

 private slots:
  void radKindToggled();
  void controlsChanged();

 private:
  // The check box of a week day (0 = Monday) and of a month (0 = January).
  QAbstractButton* dayBox(std::size_t day) const;
  QAbstractButton* monthBox(std::size_t month) const;
  void showCalendar();

  std::unique_ptr<Ui::TfSchedule> ui;
  std::vector<TItem> items_;
  bool filling_ = false;
};
