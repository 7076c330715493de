#pragma once
// The footer's pictures in the colours of the palette in use. They are drawn for a light window;
// under a dark palette their light background and dark text are swapped for the palette's
// window, line and text colours, so the footer does not stand out as a light bar. The accent
// colour stays.

#include <QByteArray>
#include <QPalette>
#include <QString>

// True when the palette's window colour is dark.
bool IsDarkPalette(const QPalette& palette);
// The SVG file's text, its design colours replaced by the palette's when the palette is dark.
// Empty when the file cannot be read.
QByteArray PaletteSvg(const QString& file, const QPalette& palette);
