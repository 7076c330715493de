#pragma once
// Reading an XML document with a conforming parser. The configuration document is read with
// expat, which rejects every text that is not well-formed XML (two root elements, text after
// the root, a duplicated attribute, an undefined entity, "<" in an attribute value, ...); the
// elements and attributes it reports are built, in document order, into a pugixml tree, which
// the configuration sections read.

#include <string_view>

#include <pugixml.hpp>

// Fills the document with the elements and attributes of the text. False, with the document
// left empty, when the text is not a well-formed document; also when it refers to an entity
// whose value the parser does not have (one declared outside the document) or to an external
// one, since what it stands for cannot be known, and when its entities expand to more than a
// few times the size of the text.
bool LoadXmlDocument(std::string_view text, pugi::xml_document& document);
