#include "ui/widgets/TWindowsRowsFilter.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "core/TIniFile.h"
#include "core/TWipeMethodsManager.h"

namespace {

const char* const kSection = "Settings";
const char* const kKey = "ShowWindowsItems";
constexpr int kWindowsOnlyRole = Qt::UserRole + 40;

// Hides the row when it is marked and the box is clear; a row with children follows them.
// Returns whether the row ends hidden.
bool ApplyTo(QTreeWidgetItem* row, bool show) {
  if (row->childCount() > 0) {
    bool allHidden = true;
    for (int i = 0; i < row->childCount(); ++i)
      allHidden = ApplyTo(row->child(i), show) && allHidden;
    row->setHidden(allHidden);
    return allHidden;
  }
  const bool hidden = !show && TWindowsRowsFilter::IsWindowsOnly(row);
  row->setHidden(hidden);
  return hidden;
}

}  // namespace

TWindowsRowsFilter::TWindowsRowsFilter(QWidget* neighbour, const QString& boxName,
                                       std::vector<QTreeWidget*> lists)
    : QObject(neighbour), lists_(std::move(lists)) {
  box_ = new QCheckBox(tr("Show Wi&ndows items"), neighbour->parentWidget());
  box_->setObjectName(boxName);
  box_->setToolTip(tr("Show the rows of places that only Windows has"));
  auto* layout = qobject_cast<QBoxLayout*>(neighbour->parentWidget()->layout());
  const int place = layout ? layout->indexOf(neighbour) : -1;
  if (place >= 0) {
    // The box shares the row of its neighbour, so the page grows no taller.
    layout->removeWidget(neighbour);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(neighbour);
    row->addStretch(1);
    row->addWidget(box_);
    layout->insertLayout(place, row);
  }
  box_->setChecked(Remembered());
  connect(box_, &QCheckBox::toggled, this, [this](bool show) {
    Remember(show);
    Apply();
    emit toggled();
  });
}

void TWindowsRowsFilter::MarkWindowsOnly(QTreeWidgetItem* row, bool windowsOnly) {
  row->setData(0, kWindowsOnlyRole, windowsOnly);
}

bool TWindowsRowsFilter::IsWindowsOnly(const QTreeWidgetItem* row) {
  return row->data(0, kWindowsOnlyRole).toBool();
}

bool TWindowsRowsFilter::OutOfSight(const QTreeWidgetItem* row) {
  for (; row; row = row->parent()) {
    if (row->isHidden()) return true;
  }
  return false;
}

bool TWindowsRowsFilter::Showing() const {
  return box_->isChecked();
}

void TWindowsRowsFilter::Reload() {
  {
    const QSignalBlocker quiet(box_);
    box_->setChecked(Remembered());
  }
  Apply();
}

void TWindowsRowsFilter::Apply() {
  const bool show = Showing();
  for (QTreeWidget* list : lists_) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) ApplyTo(list->topLevelItem(i), show);
  }
}

bool TWindowsRowsFilter::Remembered() {
  return TIniFile(TWipeMethodsManager::SettingsFileName()).ReadBool(kSection, kKey, false);
}

void TWindowsRowsFilter::Remember(bool show) {
  TIniFile settings(TWipeMethodsManager::SettingsFileName());
  settings.WriteBool(kSection, kKey, show);
}
