#include "ui/widgets/PaletteSvg.h"

#include <QFile>

bool IsDarkPalette(const QPalette& palette) {
  return palette.color(QPalette::Active, QPalette::Window).lightness() < 128;
}

QByteArray PaletteSvg(const QString& file, const QPalette& palette) {
  QFile source(file);
  if (!source.open(QIODevice::ReadOnly)) return {};
  QByteArray svg = source.readAll();
  if (!IsDarkPalette(palette)) return svg;
  const QColor window = palette.color(QPalette::Active, QPalette::Window);
  // The colours the pictures are drawn with, and what stands for each under a dark palette.
  const std::pair<const char*, QColor> colours[] = {
      {"#f2f4f7", window.lighter(135)},                                    // strip, top
      {"#d6dce2", window},                                                 // strip, bottom
      {"#b5c0ca", palette.color(QPalette::Active, QPalette::Mid)},         // strip, upper line
      {"#334e68", palette.color(QPalette::Active, QPalette::WindowText)},  // button texts
  };
  for (const auto& [design, shown] : colours) {
    svg.replace(QByteArray(design), shown.name().toLatin1());
  }
  return svg;
}
