#pragma once
// Thunar's custom actions (uca.xml of its configuration folder): the program's own action is
// put in, or brought up to date, and every other action of the user is kept as it was.

#include <optional>
#include <string>

// The program's action in Thunar's format: one <action> element.
// `actionXml` holds it; the document comes back with exactly one action of the same unique id
// (an earlier one replaced in place, else the new one appended), in the document's own encoding
// (UTF-8, US-ASCII or ISO-8859-1) with its declaration, document type and comments. Null when
// the user's document cannot be read as Thunar's, or cannot be written back in its own encoding
// without a change (it is then left alone), with the reason in `problem`. An empty document is a
// new one.
std::optional<std::string> MergeThunarAction(const std::string& document,
                                             const std::string& actionXml,
                                             std::string* problem = nullptr);
