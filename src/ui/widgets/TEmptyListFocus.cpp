#include "ui/widgets/TEmptyListFocus.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFocusEvent>
#include <QPainter>

TEmptyListFocus* TEmptyListFocus::Install(QAbstractItemView& view) {
  return new TEmptyListFocus(view);
}

TEmptyListFocus::TEmptyListFocus(QAbstractItemView& view) : QWidget(view.viewport()), view_(&view) {
  setObjectName(QStringLiteral("emptyListFocus"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  view.installEventFilter(this);
  view.viewport()->installEventFilter(this);
  watchModel();
  follow();
}

void TEmptyListFocus::watchModel() {
  QAbstractItemModel* model = view_ ? view_->model() : nullptr;
  if (!model) return;
  for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
    connect(model, signal, this, &TEmptyListFocus::follow, Qt::UniqueConnection);
  }
  connect(model, &QAbstractItemModel::modelReset, this, &TEmptyListFocus::follow,
          Qt::UniqueConnection);
  connect(model, &QAbstractItemModel::layoutChanged, this, &TEmptyListFocus::follow,
          Qt::UniqueConnection);
}

void TEmptyListFocus::follow() {
  if (!view_) return;
  const QAbstractItemModel* model = view_->model();
  const bool empty = !model || model->rowCount(view_->rootIndex()) == 0;
  const bool show = empty && view_->hasFocus() && view_->isEnabled();
  setGeometry(view_->viewport()->rect());
  if (show) raise();
  setVisible(show);
}

bool TEmptyListFocus::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
      // Reached by the keyboard, a list with rows and none current takes its first row, so
      // that the keys that act on the selection (Delete, Space) act on something seen.
      if (watched == view_ && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason &&
          view_->model() && !view_->currentIndex().isValid() &&
          view_->model()->rowCount(view_->rootIndex()) > 0) {
        view_->setCurrentIndex(view_->model()->index(0, 0, view_->rootIndex()));
      }
      follow();
      break;
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
    case QEvent::Resize:
    case QEvent::Show:
      follow();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void TEmptyListFocus::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPen pen(palette().color(QPalette::Active, QPalette::Highlight));
  pen.setWidth(2);
  painter.setPen(pen);
  painter.drawRect(rect().adjusted(1, 1, -2, -2));
}
