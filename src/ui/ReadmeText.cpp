#include "ui/ReadmeText.h"

#include "core/SettingsFolder.h"
#include "platform/FileSystem.h"

namespace {
// readme.txt is a short text; anything larger is not it.
constexpr std::uint64_t kMaxReadmeBytes = 4 << 20;
}  // namespace

std::optional<QString> ReadmeText() {
  const auto text = platform::fs().readFile(GetShippedFolder() + "readme.txt", kMaxReadmeBytes);
  if (!text) return std::nullopt;
  QString lines = QString::fromLocal8Bit(*text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return lines;
}
