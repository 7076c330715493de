#include "dialogs/TSummaryDelegate.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr int kGap = 12;
}  // namespace

void TSummaryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  const QString summary = index.data(SummaryRole).toString();
  if (summary.isEmpty()) return;
  QStyleOptionViewItem item(option);
  initStyleOption(&item, index);
  const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
  const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
  // Right of the name, never over it; cut with an ellipsis where the row is too narrow.
  const int nameWidth = item.fontMetrics.horizontalAdvance(item.text) + kGap;
  const QRect room = text.adjusted(nameWidth, 0, -4, 0);
  if (room.width() <= item.fontMetrics.averageCharWidth() * 3) return;
  const bool selected = item.state.testFlag(QStyle::State_Selected);
  const QPalette::ColorGroup group =
      item.state.testFlag(QStyle::State_Enabled) ? QPalette::Active : QPalette::Disabled;
  QColor colour = item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
  if (!selected) colour = item.palette.color(group, QPalette::PlaceholderText);
  painter->save();
  painter->setPen(colour);
  painter->setFont(item.font);
  painter->drawText(room, Qt::AlignRight | Qt::AlignVCenter,
                    item.fontMetrics.elidedText(summary, Qt::ElideRight, room.width()));
  painter->restore();
}

QSize TSummaryDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  const QString summary = index.data(SummaryRole).toString();
  if (!summary.isEmpty()) size.rwidth() += option.fontMetrics.horizontalAdvance(summary) + kGap;
  return size;
}
