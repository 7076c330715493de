#include "dialogs/PassSummary.h"

#include <algorithm>

#include "core/TPass.h"
#include "dialogs/MethodText.h"

namespace {

QString hexByte(std::uint8_t value) {
  return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(2, u'0');
}

// The range as the engine draws it: the bounds in either order.
QString range(std::uint8_t first, std::uint8_t second) {
  const std::uint8_t low = std::min(first, second);
  const std::uint8_t high = std::max(first, second);
  if (low == high) return hexByte(low);
  return hexByte(low) + QStringLiteral("-") + hexByte(high);
}

bool wholeRange(std::uint8_t first, std::uint8_t second) {
  return std::min(first, second) == 0 && std::max(first, second) == 255;
}

}  // namespace

QString PassSummary(const TPass& pass) {
  QString summary;
  switch (pass.WipeWith) {
    case wwBytePattern:
      summary = QStringLiteral("Bytes ") + hexByte(pass.BytePatternValue);
      break;
    case wwTextPattern:
      summary = pass.TextPatternValue.empty()
                    ? QStringLiteral("Text (empty: the pass cannot be written)")
                    : QStringLiteral("Text '%1'").arg(ShownText(pass.TextPatternValue));
      break;
    case wwRandomBytes:
      summary = wholeRange(pass.RandomBytesValue1, pass.RandomBytesValue2)
                    ? QStringLiteral("Random bytes")
                    : QStringLiteral("Random bytes ") +
                          range(pass.RandomBytesValue1, pass.RandomBytesValue2);
      break;
    case wwRandomCharacter:
      summary = wholeRange(pass.RandomCharacterValue1, pass.RandomCharacterValue2)
                    ? QStringLiteral("One random byte value")
                    : QStringLiteral("One random byte value in ") +
                          range(pass.RandomCharacterValue1, pass.RandomCharacterValue2);
      break;
    default:
      summary = QStringLiteral("Unknown kind %1: writes nothing").arg(pass.WipeWith);
      break;
  }
  if (pass.CheckWipe) summary += QStringLiteral(", read back");
  return summary;
}
