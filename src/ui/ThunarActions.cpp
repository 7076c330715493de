#include "ui/ThunarActions.h"

#include <pugixml.hpp>
#include <sstream>

namespace {

std::string uniqueIdOf(const pugi::xml_node& action) {
  return action.child("unique-id").text().as_string();
}

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// How the user's file is written, as far as the merge can keep it.
struct FileEncoding {
  pugi::xml_encoding encoding = pugi::encoding_utf8;
  bool asciiOnly = false;  // declared US-ASCII: every byte written must be one
  bool bom = false;        // starts with the UTF-8 byte order mark
};

std::string lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// The encoding the document's XML declaration names; empty when it names none.
std::string declaredEncoding(const std::string& document, std::size_t start) {
  if (document.compare(start, 5, "<?xml") != 0) return {};
  const std::size_t end = document.find("?>", start);
  const std::string declaration =
      document.substr(start, end == std::string::npos ? 0 : end - start);
  const std::size_t name = declaration.find("encoding");
  if (name == std::string::npos) return {};
  const std::size_t quote = declaration.find_first_of("\"'", name);
  if (quote == std::string::npos) return {};
  const std::size_t close = declaration.find(declaration[quote], quote + 1);
  if (close == std::string::npos) return {};
  return declaration.substr(quote + 1, close - quote - 1);
}

// The encoding of the user's file when the merge can write it back in the same one.
std::optional<FileEncoding> encodingOf(const std::string& document, std::string& name) {
  FileEncoding encoding;
  encoding.bom = document.compare(0, 3, kUtf8Bom) == 0;
  name = declaredEncoding(document, encoding.bom ? 3 : 0);
  const std::string key = lower(name);
  if (key.empty() || key == "utf-8" || key == "utf8") return encoding;
  if (encoding.bom) return std::nullopt;  // a byte order mark of UTF-8 on another encoding
  if (key == "us-ascii" || key == "ascii") {
    encoding.asciiOnly = true;
    return encoding;
  }
  if (key == "iso-8859-1" || key == "iso8859-1" || key == "iso_8859-1" || key == "latin1" ||
      key == "latin-1" || key == "l1") {
    encoding.encoding = pugi::encoding_latin1;
    return encoding;
  }
  return std::nullopt;
}

constexpr unsigned kParse = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
                            pugi::parse_doctype | pugi::parse_pi;

// The document's nodes as UTF-8, to compare what two documents hold.
std::string treeText(const pugi::xml_document& document) {
  std::ostringstream text;
  document.save(text, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return text.str();
}

// Whether UTF-8 text can be written in the file's encoding: ASCII only, or the letters of Latin-1
// (U+0000 to U+00FF, led by 0xC2 or 0xC3 in UTF-8); any encoding of Unicode holds everything.
bool fits(const char* text, const FileEncoding& encoding) {
  const bool latin1 = encoding.encoding == pugi::encoding_latin1;
  if (!latin1 && !encoding.asciiOnly) return true;
  for (const auto* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
    if (*c < 0x80 || (*c < 0xC0 && latin1)) continue;
    if (encoding.asciiOnly || (*c != 0xC2 && *c != 0xC3)) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> MergeThunarAction(const std::string& document,
                                             const std::string& actionXml, std::string* problem) {
  auto refuse = [problem](std::string why) -> std::optional<std::string> {
    if (problem) *problem = std::move(why);
    return std::nullopt;
  };
  const std::string notThunars = "not a list of Thunar actions";
  pugi::xml_document ours;
  if (!ours.load_string(actionXml.c_str())) return refuse(notThunars);
  const pugi::xml_node action = ours.child("action");
  const std::string id = uniqueIdOf(action);
  if (!action || id.empty()) return refuse(notThunars);

  pugi::xml_document theirs;
  FileEncoding encoding;
  if (document.find_first_not_of(" \t\r\n") == std::string::npos) {
    theirs.append_child(pugi::node_declaration).append_attribute("version") = "1.0";
    theirs.child("xml").append_attribute("encoding") = "UTF-8";
    theirs.append_child("actions");
  } else {
    std::string name;
    const auto found = encodingOf(document, name);
    if (!found) {
      return refuse("written in " + (name.empty() ? std::string("an encoding") : name) +
                    ", which cannot be kept");
    }
    encoding = *found;
    if (!theirs.load_buffer(document.data(), document.size(), kParse, encoding.encoding)) {
      return refuse(notThunars);
    }
  }
  pugi::xml_node actions = theirs.child("actions");
  if (!actions) return refuse(notThunars);
  // The action's names in other languages that the file's encoding cannot hold are left out:
  // Thunar shows the English one there.
  for (pugi::xml_node child = action.first_child(); child;) {
    const pugi::xml_node next = child.next_sibling();
    if (child.attribute("xml:lang") && !fits(child.text().get(), encoding)) {
      ours.child("action").remove_child(child);
    }
    child = next;
  }

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

  // Written back in the file's own encoding, with its declaration and document type. What that
  // encoding cannot hold (a program path outside Latin-1 in a Latin-1 file) would come out
  // changed: then the file is left as it is.
  std::ostringstream text;
  theirs.save(text, "\t", pugi::format_default | (encoding.bom ? pugi::format_write_bom : 0u),
              encoding.encoding);
  const std::string merged = text.str();
  pugi::xml_document again;
  const bool same = again.load_buffer(merged.data(), merged.size(), kParse, encoding.encoding) &&
                    treeText(again) == treeText(theirs);
  bool ascii = true;
  for (const char c : merged) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (!same || (encoding.asciiOnly && !ascii)) {
    return refuse("its encoding cannot hold the action's text (the program's path)");
  }
  return merged;
}
