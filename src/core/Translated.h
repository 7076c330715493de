#pragma once
// The marks of the messages users read in the Qt-free layers, and their lookup in the user's
// language. The English text is written where it is used, in Tr("...") (or TrN for one that
// counts); the build extracts every marked text into po/ferrovane.pot. Text that is only a key,
// a file name or a line of a machine-read format is never marked.

#include <string>
#include <string_view>

#include "platform/MessageCatalogue.h"

// The message in the user's language.
inline std::string Tr(const char* text) {
  return platform::translatedMessage(text);
}

// The form of the message that fits the count, in the user's language.
inline std::string TrN(const char* singular, const char* plural, unsigned long count) {
  return platform::translatedMessage(singular, plural, count);
}

// Marks a text for the catalogue where it is only stored (a table of names); the lookup comes
// where it is shown, with Tr of the stored text.
constexpr const char* TrNoop(const char* text) {
  return text;
}

// The text with each "{}" replaced by the next of the values, in order, and each "{1}" to "{9}" by
// the value of that number: a translation keeps the placeholders of the English text, and writes
// them numbered where its word order puts the values in another order.
std::string Substituted(std::string_view pattern, std::initializer_list<std::string_view> values);
