#pragma once
// How the texts of a wipe method pass between the fields of the method editor and the method.
// A method holds its texts as bytes in the local 8-bit encoding, and its file keeps each text
// on one line and reads back at most TWipeMethod::kMaxTextLength bytes of it. The editor keeps
// every text inside that: a longer one would leave the method unusable once it is read again.

#include <QString>
#include <string>

// A text as a field shows it, and as the method stores it.
struct TFittedText {
  QString shown;
  std::string stored;
};

// A one-line text (name, pass name, text pattern): line breaks are dropped, since one would start
// a new line in the method file, and the text is cut to what reads back whole.
TFittedText FitLine(const QString& text);
// A description: its line breaks are stored as CR LF, which the method file holds escaped
// ("#13#10"); the text is cut so that its escaped form reads back whole.
TFittedText FitDescription(const QString& text);

// A stored text as a field shows it.
QString ShownText(const std::string& stored);
// A stored description as a multi-line field shows it: CR LF, and a CR alone, become line
// breaks of the field.
QString ShownDescription(const std::string& stored);
