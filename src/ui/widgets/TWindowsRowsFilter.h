#pragma once
// Rows that name a place only Windows has (a shell folder, a list of its registry, Internet
// Explorer) never apply on Linux; they are hidden unless the user ticks "Show Windows items".
// The box sits in the row of a control of the page, and its state is one setting of the
// program (Ferrovane.ini) that every page follows: read again whenever the page is shown.
// Hidden rows take no part in a run.

#include <QObject>
#include <QString>
#include <vector>

class QCheckBox;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

class TWindowsRowsFilter : public QObject {
  Q_OBJECT

 public:
  // Makes the box, named `boxName`, at the end of the row of `neighbour` (a control in a box
  // layout), and hides the marked rows of the lists as the setting says.
  TWindowsRowsFilter(QWidget* neighbour, const QString& boxName, std::vector<QTreeWidget*> lists);

  // Marks the row as naming a place only Windows has (or not).
  static void MarkWindowsOnly(QTreeWidgetItem* row, bool windowsOnly = true);
  static bool IsWindowsOnly(const QTreeWidgetItem* row);
  // Whether the row is out of sight: hidden itself or below a hidden row.
  static bool OutOfSight(const QTreeWidgetItem* row);

  bool Showing() const;
  QCheckBox* Box() const { return box_; }
  // Reads the setting again and shows or hides the rows to match.
  void Reload();
  // Shows or hides the marked rows as the box says; a row with children is hidden when every
  // child is.
  void Apply();

  // The setting, as kept in the program's settings file.
  static bool Remembered();
  static void Remember(bool show);

 signals:
  // The rows were shown or hidden after the user ticked or cleared the box.
  void toggled();

 private:
  QCheckBox* box_;
  std::vector<QTreeWidget*> lists_;
};
