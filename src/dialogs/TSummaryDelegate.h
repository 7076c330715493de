#pragma once
// Draws a list row as usual and, right-aligned after its text in a quieter colour, the summary
// the row carries in SummaryRole (the method editor's passes: the name, then what it writes).

#include <QStyledItemDelegate>

class TSummaryDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  static constexpr int SummaryRole = Qt::UserRole + 1;

  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
