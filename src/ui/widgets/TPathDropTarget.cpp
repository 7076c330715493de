#include "ui/widgets/TPathDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QSysInfo>
#include <QWidget>

namespace {

const QString kUriList = QStringLiteral("text/uri-list");

}  // namespace

TPathDropTarget::TPathDropTarget(QWidget* target, THandler handler)
    : QObject(target), handler_(std::move(handler)) {
  target->setAcceptDrops(true);
  target->installEventFilter(this);
}

bool TPathDropTarget::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (drag->mimeData() && drag->mimeData()->hasFormat(kUriList)) {
        // The dragged files stay where they are: the list only queues them.
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (!drop->mimeData() || !drop->mimeData()->hasFormat(kUriList)) {
        drop->ignore();
        return true;
      }
      const QByteArray list = drop->mimeData()->data(kUriList);
      const QByteArray host = QSysInfo::machineHostName().toUtf8();
      const TUriListPaths dropped = PathsOfUriList(std::string_view(list.constData(), list.size()),
                                                   std::string_view(host.constData(), host.size()));
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      // Handled once the drop has ended: the file manager that sent it is not kept waiting
      // while the window asks or tells the user anything.
      QMetaObject::invokeMethod(
          this,
          [this, dropped] {
            if (handler_) handler_(dropped);
          },
          Qt::QueuedConnection);
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}
