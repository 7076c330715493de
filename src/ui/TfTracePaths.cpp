#include "ui/TfTracePaths.h"

#include <QStringList>

#include "ui_TfTracePaths.h"

namespace {

QString Text(const std::vector<std::string>& paths) {
  QStringList lines;
  for (const std::string& path : paths) lines << QString::fromLocal8Bit(path);
  return lines.join(QLatin1Char('\n'));
}

std::vector<std::string> Paths(const QString& text) {
  std::vector<std::string> paths;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    const QString path = line.trimmed();
    if (!path.isEmpty()) paths.push_back(path.toLocal8Bit().toStdString());
  }
  return paths;
}

}  // namespace

TfTracePaths::TfTracePaths(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfTracePaths>()) {
  ui->setupUi(this);
}

TfTracePaths::~TfTracePaths() = default;

void TfTracePaths::SetLists(const TTracePathLists& lists) {
  ui->edCustomPaths->setPlainText(Text(lists.Custom));
  ui->edKeepPaths->setPlainText(Text(lists.Keep));
}

TTracePathLists TfTracePaths::Lists() const {
  TTracePathLists lists;
  lists.Custom = Paths(ui->edCustomPaths->toPlainText());
  lists.Keep = Paths(ui->edKeepPaths->toPlainText());
  return lists;
}
