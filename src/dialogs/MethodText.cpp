#include "dialogs/MethodText.h"

#include "core/TWipeMethod.h"

namespace {

bool isLineBreak(QChar c) {
  return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// The text up to where its stored bytes would pass the limit, cut between whole characters.
// `lineBreak` is what a line break is stored as, or empty when line breaks are dropped.
TFittedText fit(const QString& text, const std::string& lineBreak, std::size_t escapedBreak) {
  TFittedText fitted;
  std::size_t cost = 0;  // stored length, line breaks counted as the file holds them
  qsizetype index = 0;
  while (index < text.size()) {
    const QChar c = text.at(index);
    if (isLineBreak(c)) {
      // CR LF counts as one line break.
      const qsizetype length = c == QLatin1Char('\r') && index + 1 < text.size() &&
                                       text.at(index + 1) == QLatin1Char('\n')
                                   ? 2
                                   : 1;
      if (!lineBreak.empty()) {
        if (cost + escapedBreak > TWipeMethod::kMaxTextLength) break;
        cost += escapedBreak;
        fitted.stored += lineBreak;
        fitted.shown += QLatin1Char('\n');
      }
      index += length;
      continue;
    }
    const qsizetype length = c.isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(index, length);
    const QByteArray bytes = character.toLocal8Bit();
    if (cost + static_cast<std::size_t>(bytes.size()) > TWipeMethod::kMaxTextLength) break;
    cost += static_cast<std::size_t>(bytes.size());
    fitted.stored.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    fitted.shown += character;
    index += length;
  }
  return fitted;
}

}  // namespace

TFittedText FitLine(const QString& text) {
  return fit(text, std::string(), 0);
}

TFittedText FitDescription(const QString& text) {
  return fit(text, "\r\n", 6);  // "#13#10"
}

QString ShownText(const std::string& stored) {
  return QString::fromLocal8Bit(stored.data(), static_cast<qsizetype>(stored.size()));
}

QString ShownDescription(const std::string& stored) {
  QString shown = ShownText(stored);
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}
