#include "dialogs/PassSummary.h"

#include <QCoreApplication>
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
      summary =
          QCoreApplication::translate("PassSummary", "Bytes ") + hexByte(pass.BytePatternValue);
      break;
    case wwTextPattern:
      summary = pass.TextPatternValue.empty()
                    ? QCoreApplication::translate("PassSummary",
                                                  "Text (empty: the pass cannot be written)")
                    : QCoreApplication::translate("PassSummary", "Text '%1'")
                          .arg(ShownText(pass.TextPatternValue));
      break;
    case wwRandomBytes:
      summary = wholeRange(pass.RandomBytesValue1, pass.RandomBytesValue2)
                    ? QCoreApplication::translate("PassSummary", "Random bytes")
                    : QCoreApplication::translate("PassSummary", "Random bytes ") +
                          range(pass.RandomBytesValue1, pass.RandomBytesValue2);
      break;
    case wwRandomCharacter:
      summary = wholeRange(pass.RandomCharacterValue1, pass.RandomCharacterValue2)
                    ? QCoreApplication::translate("PassSummary", "One random byte value")
                    : QCoreApplication::translate("PassSummary", "One random byte value in ") +
                          range(pass.RandomCharacterValue1, pass.RandomCharacterValue2);
      break;
    default:
      summary = QCoreApplication::translate("PassSummary", "Unknown kind %1: writes nothing")
                    .arg(pass.WipeWith);
      break;
  }
  if (pass.CheckWipe) summary += QCoreApplication::translate("PassSummary", ", read back");
  return summary;
}
