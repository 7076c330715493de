#include "ui/ThunarActions.h"

#include <pugixml.hpp>
#include <sstream>

namespace {

std::string uniqueIdOf(const pugi::xml_node& action) {
  return action.child("unique-id").text().as_string();
}

}  // namespace

std::optional<std::string> MergeThunarAction(const std::string& document,
                                             const std::string& actionXml) {
  pugi::xml_document ours;
  if (!ours.load_string(actionXml.c_str())) return std::nullopt;
  const pugi::xml_node action = ours.child("action");
  const std::string id = uniqueIdOf(action);
  if (!action || id.empty()) return std::nullopt;

  pugi::xml_document theirs;
  constexpr unsigned kParse = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments;
  if (document.find_first_not_of(" \t\r\n") == std::string::npos) {
    theirs.append_child(pugi::node_declaration).append_attribute("version") = "1.0";
    theirs.child("xml").append_attribute("encoding") = "UTF-8";
    theirs.append_child("actions");
  } else if (!theirs.load_buffer(document.data(), document.size(), kParse)) {
    return std::nullopt;
  }
  pugi::xml_node actions = theirs.child("actions");
  if (!actions) return std::nullopt;

  // Ours is found by its unique id; the first copy is brought up to date where it stands and
  // any further copy goes.
  pugi::xml_node placed;
  for (pugi::xml_node existing = actions.child("action"); existing;) {
    const pugi::xml_node next = existing.next_sibling("action");
    if (uniqueIdOf(existing) == id) {
      if (!placed) {
        placed = actions.insert_copy_before(action, existing);
      }
      actions.remove_child(existing);
    }
    existing = next;
  }
  if (!placed) actions.append_copy(action);

  std::ostringstream text;
  theirs.save(text, "\t", pugi::format_default, pugi::encoding_utf8);
  return text.str();
}
