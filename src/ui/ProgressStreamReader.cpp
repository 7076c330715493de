#include "ui/ProgressStreamReader.h"

#include <string_view>

std::optional<TProgressRecord> ReadProgressLine(const QByteArray& line) {
  return ReadProgressLine(std::string_view(line.constData(), std::size_t(line.size())));
}
