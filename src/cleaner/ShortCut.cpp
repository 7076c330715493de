#include "cleaner/ShortCut.h"
#include "platform/TextCase.h"

#include <string_view>

namespace {

struct NamedKey {
  std::uint8_t code;
  const char* name;
};

constexpr NamedKey kNamedKeys[] = {
    {0x08, "BkSp"}, {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"},
    {0x21, "PgUp"}, {0x22, "PgDn"},  {0x23, "End"},   {0x24, "Home"}, {0x25, "Left"},
    {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"},  {0x2D, "Ins"},  {0x2E, "Del"},
};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         platform::equalsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string KeyName(std::uint8_t code) {
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
    return std::string(1, static_cast<char>(code));
  if (code >= 0x70 && code <= 0x87) return "F" + std::to_string(code - 0x70 + 1);
  for (const NamedKey& key : kNamedKeys) {
    if (key.code == code) return key.name;
  }
  return {};
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  const std::string key = KeyName(static_cast<std::uint8_t>(shortCut & 0xFF));
  if (key.empty()) return {};
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + key;
}

TShortCut TextToShortCut(const std::string& text) {
  std::string_view rest = text;
  TShortCut modifiers = 0;
  for (bool found = true; found;) {
    found = false;
    for (auto [prefix, bit] : {std::pair{"Shift+", scShift}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}}) {
      std::string_view p = prefix;
      if (StartsWithNoCase(rest, p)) {
        modifiers |= bit;
        rest.remove_prefix(p.size());
        found = true;
      }
    }
  }
  if (rest.empty()) return 0;
  for (unsigned code = 1; code <= 0xFF; ++code) {
    const std::string name = KeyName(static_cast<std::uint8_t>(code));
    if (!name.empty() && platform::equalsNoCase(rest, name))
      return static_cast<TShortCut>(modifiers | code);
  }
  return 0;
}
