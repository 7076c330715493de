#include "cleaner/XmlReader.h"

// Debian's expat is built with document type declarations, which brings the limit on entity
// expansion; its header declares that limit only when told so.
#ifndef XML_DTD
#define XML_DTD 1
#endif
#include <expat.h>

#include <limits>
#include <memory>
#include <type_traits>

namespace {

// How far entities may expand the text (expat measures the text it parses, entities included,
// against the document's own bytes).
constexpr float kMaxAmplification = 4.0f;

struct Builder {
  XML_Parser parser = nullptr;
  pugi::xml_node current;
  bool refused = false;

  void refuse() {
    refused = true;
    XML_StopParser(parser, XML_FALSE);
  }
};

void XMLCALL StartElement(void* data, const XML_Char* name, const XML_Char** attributes) {
  Builder& builder = *static_cast<Builder*>(data);
  pugi::xml_node element = builder.current.append_child(name);
  if (!element) return builder.refuse();
  for (const XML_Char** attribute = attributes; *attribute; attribute += 2) {
    if (!element.append_attribute(attribute[0]).set_value(attribute[1])) return builder.refuse();
  }
  builder.current = element;
}

void XMLCALL EndElement(void* data, const XML_Char*) {
  Builder& builder = *static_cast<Builder*>(data);
  builder.current = builder.current.parent();
}

void XMLCALL SkippedEntity(void* data, const XML_Char*, int) {
  static_cast<Builder*>(data)->refuse();
}

int XMLCALL ExternalEntity(XML_Parser, const XML_Char*, const XML_Char*, const XML_Char*,
                           const XML_Char*) {
  return XML_STATUS_ERROR;
}

struct FreeParser {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

}  // namespace

bool LoadXmlDocument(std::string_view text, pugi::xml_document& document) {
  document.reset();
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) return false;
  std::unique_ptr<std::remove_pointer_t<XML_Parser>, FreeParser> parser(XML_ParserCreate(nullptr));
  if (!parser) return false;
  Builder builder;
  builder.parser = parser.get();
  builder.current = document;
  XML_SetUserData(parser.get(), &builder);
  XML_SetElementHandler(parser.get(), StartElement, EndElement);
  XML_SetSkippedEntityHandler(parser.get(), SkippedEntity);
  XML_SetExternalEntityRefHandler(parser.get(), ExternalEntity);
  XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser.get(), kMaxAmplification);
  const bool parsed = XML_Parse(parser.get(), text.data(), static_cast<int>(text.size()),
                                XML_TRUE) == XML_STATUS_OK;
  if (!parsed || builder.refused) {
    document.reset();
    return false;
  }
  return true;
}
