#pragma once
// Takes the files and folders dropped on a widget (a list's viewport): the dragged
// "text/uri-list" is read as bytes and decoded to local paths, so names that are not valid text
// arrive as they are on disk. URLs that name no local file are handed on as refused.

#include <QObject>
#include <functional>

#include "core/FileUrl.h"

class QWidget;

class TPathDropTarget : public QObject {
  Q_OBJECT

 public:
  using THandler = std::function<void(const TUriListPaths&)>;
  // Makes the widget accept drops of URL lists; the handler gets each drop.
  TPathDropTarget(QWidget* target, THandler handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  THandler handler_;
};
