#include "ui/TfSchedule.h"

#include <QCheckBox>
#include <QListWidget>

#include "cleaner/ScheduleCalendar.h"
#include "ui_TfSchedule.h"

namespace {

constexpr const char* kDayBoxes[] = {"chkMonday", "chkTuesday",  "chkWednesday", "chkThursday",
                                     "chkFriday", "chkSaturday", "chkSunday"};
constexpr const char* kMonthBoxes[] = {"chkJan", "chkFeb", "chkMar", "chkApr", "chkMay", "chkJun",
                                       "chkJul", "chkAug", "chkSep", "chkOct", "chkNov", "chkDec"};

QTime TimeOfDay(TDateTime value) {
  int hour = 0, minute = 0, second = 0, ms = 0;
  DecodeTime(TimeOf(value), hour, minute, second, ms);
  return QTime(hour, minute);
}

TDateTime TimeValue(const QTime& time) {
  return EncodeTime(time.hour(), time.minute(), 0);
}

QDateTime DateTimeOf(TDateTime value) {
  int year = 0, month = 0, day = 0;
  DecodeDate(value, year, month, day);
  return QDateTime(QDate(year, month, day), TimeOfDay(value));
}

TDateTime DateTimeValue(const QDateTime& value) {
  return EncodeDateTime(value.date().year(), value.date().month(), value.date().day(),
                        value.time().hour(), value.time().minute(), 0);
}

}  // namespace

TfSchedule::TfSchedule(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfSchedule>()) {
  ui->setupUi(this);
  connect(ui->btnsSchedule, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(ui->btnsSchedule, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QRadioButton* kind :
       {ui->radOnce, ui->radEvery, ui->radHourly, ui->radDaily, ui->radWeekly, ui->radMonthly}) {
    connect(kind, &QRadioButton::toggled, this, &TfSchedule::radKindToggled);
  }
  connect(ui->chkScheduleOn, &QCheckBox::toggled, this, &TfSchedule::controlsChanged);
  for (QSpinBox* spin : findChildren<QSpinBox*>())
    connect(spin, &QSpinBox::valueChanged, this, &TfSchedule::controlsChanged);
  for (QDateTimeEdit* edit : findChildren<QDateTimeEdit*>())
    connect(edit, &QDateTimeEdit::dateTimeChanged, this, &TfSchedule::controlsChanged);
  for (QCheckBox* box : findChildren<QCheckBox*>())
    connect(box, &QCheckBox::toggled, this, &TfSchedule::controlsChanged);
  for (QComboBox* combo : findChildren<QComboBox*>())
    connect(combo, &QComboBox::currentIndexChanged, this, &TfSchedule::controlsChanged);
  connect(ui->radMonthlyAtDay, &QRadioButton::toggled, this, &TfSchedule::controlsChanged);
}

TfSchedule::~TfSchedule() = default;

QAbstractButton* TfSchedule::dayBox(std::size_t day) const {
  return findChild<QAbstractButton*>(kDayBoxes[day]);
}

QAbstractButton* TfSchedule::monthBox(std::size_t month) const {
  return findChild<QAbstractButton*>(kMonthBoxes[month]);
}

void TfSchedule::SetSchedule(const TScheduleSettings& settings, const std::vector<TItem>& items) {
  filling_ = true;
  const TSchedule& s = settings.Schedule;
  ui->chkScheduleOn->setChecked(settings.Enabled);
  QRadioButton* kinds[] = {ui->radOnce,  ui->radEvery,  ui->radHourly,
                           ui->radDaily, ui->radWeekly, ui->radMonthly};
  kinds[s.Interval <= Monthly ? s.Interval : Once]->setChecked(true);
  ui->dtOnceDate->setDateTime(DateTimeOf(s.OnceDate));
  ui->spnEveryMinutes->setValue(s.EveryMinutes);
  ui->spnHourlyHours->setValue(s.HourlyHours);
  ui->spnHourlyMinutes->setValue(s.HourlyMinutes);
  ui->spnDailyDays->setValue(s.DailyDays);
  ui->tmDailyHour->setTime(TimeOfDay(s.DailyHour));
  ui->spnWeeklyWeeks->setValue(s.WeeklyWeeks);
  ui->tmWeeklyHour->setTime(TimeOfDay(s.WeeklyHour));
  for (std::size_t i = 0; i < s.WeeklyDays.size(); ++i) dayBox(i)->setChecked(s.WeeklyDays[i]);
  ui->tmMonthlyHour->setTime(TimeOfDay(s.MonthlyHour));
  (s.MonthlyAtDay ? ui->radMonthlyAtDay : ui->radMonthlyWeekDay)->setChecked(true);
  ui->spnMonthlyDay->setValue(s.MonthlyDay);
  ui->cmbMonthlyDayIndexOf->setCurrentIndex(std::clamp(s.MonthlyDayIndexOf, 1, 5) - 1);
  ui->cmbMonthlyDayOf->setCurrentIndex(std::clamp(s.MonthlyDayOf, 1, 7) - 1);
  for (std::size_t i = 0; i < s.MonthlyMonths.size(); ++i)
    monthBox(i)->setChecked(s.MonthlyMonths[i]);

  items_ = items;
  ui->lvScheduleItems->clear();
  for (const TItem& item : items) {
    auto* row = new QListWidgetItem(QString::fromLocal8Bit(item.second), ui->lvScheduleItems);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    const bool chosen =
        std::find(settings.Items.begin(), settings.Items.end(), item.first) != settings.Items.end();
    row->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
  }
  filling_ = false;
  radKindToggled();
}

TScheduleSettings TfSchedule::Schedule() const {
  TScheduleSettings settings;
  TSchedule& s = settings.Schedule;
  settings.Enabled = ui->chkScheduleOn->isChecked();
  s.Interval = ui->radEvery->isChecked()     ? Every
               : ui->radHourly->isChecked()  ? Hourly
               : ui->radDaily->isChecked()   ? Daily
               : ui->radWeekly->isChecked()  ? Weekly
               : ui->radMonthly->isChecked() ? Monthly
                                             : Once;
  s.OnceDate = DateTimeValue(ui->dtOnceDate->dateTime());
  s.EveryMinutes = ui->spnEveryMinutes->value();
  s.HourlyHours = ui->spnHourlyHours->value();
  s.HourlyMinutes = ui->spnHourlyMinutes->value();
  s.DailyDays = ui->spnDailyDays->value();
  s.DailyHour = TimeValue(ui->tmDailyHour->time());
  s.WeeklyWeeks = ui->spnWeeklyWeeks->value();
  s.WeeklyHour = TimeValue(ui->tmWeeklyHour->time());
  for (std::size_t i = 0; i < s.WeeklyDays.size(); ++i) s.WeeklyDays[i] = dayBox(i)->isChecked();
  s.MonthlyHour = TimeValue(ui->tmMonthlyHour->time());
  s.MonthlyAtDay = ui->radMonthlyAtDay->isChecked();
  s.MonthlyDay = ui->spnMonthlyDay->value();
  s.MonthlyDayIndexOf = ui->cmbMonthlyDayIndexOf->currentIndex() + 1;
  s.MonthlyDayOf = ui->cmbMonthlyDayOf->currentIndex() + 1;
  for (std::size_t i = 0; i < s.MonthlyMonths.size(); ++i)
    s.MonthlyMonths[i] = monthBox(i)->isChecked();
  for (int i = 0; i < ui->lvScheduleItems->count() && i < static_cast<int>(items_.size()); ++i) {
    if (ui->lvScheduleItems->item(i)->checkState() == Qt::Checked)
      settings.Items.push_back(items_[static_cast<std::size_t>(i)].first);
  }
  return settings;
}

void TfSchedule::radKindToggled() {
  const int page = ui->radEvery->isChecked()     ? 1
                   : ui->radHourly->isChecked()  ? 2
                   : ui->radDaily->isChecked()   ? 3
                   : ui->radWeekly->isChecked()  ? 4
                   : ui->radMonthly->isChecked() ? 5
                                                 : 0;
  ui->stkScheduleKind->setCurrentIndex(page);
  controlsChanged();
}

void TfSchedule::controlsChanged() {
  if (filling_) return;
  const bool on = ui->chkScheduleOn->isChecked();
  ui->grbScheduleKind->setEnabled(on);
  ui->grbScheduleItems->setEnabled(on);
  ui->spnMonthlyDay->setEnabled(ui->radMonthlyAtDay->isChecked());
  ui->cmbMonthlyDayIndexOf->setEnabled(!ui->radMonthlyAtDay->isChecked());
  ui->cmbMonthlyDayOf->setEnabled(!ui->radMonthlyAtDay->isChecked());
  ui->wdgMonthlyMonths->setEnabled(!ui->radMonthlyAtDay->isChecked());
  showCalendar();
}

void TfSchedule::showCalendar() {
  const TScheduleSettings settings = Schedule();
  if (!settings.Enabled) {
    ui->lblScheduleCalendar->setText(tr("No scheduled clean."));
    return;
  }
  const std::vector<std::string> calendar = OnCalendarExpressions(settings.Schedule);
  QString text;
  if (calendar.empty()) {
    text = tr("This schedule never falls due: choose a day or a month.");
  } else {
    QStringList lines;
    for (const std::string& expression : calendar) lines << QString::fromStdString(expression);
    text = tr("Calendar of the timer: %1").arg(lines.join(QStringLiteral("; ")));
  }
  if (settings.Items.empty()) text += QStringLiteral("\n") + tr("No trace is chosen yet.");
  ui->lblScheduleCalendar->setText(text);
}
