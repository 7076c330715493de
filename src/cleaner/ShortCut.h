#pragma once
// Keyboard shortcut codes: the key's virtual-key code in the low byte, plus 0x2000 for Shift,
// 0x4000 for Ctrl and 0x8000 for Alt; 0 means no shortcut. The text form is "Shift+", "Ctrl+"
// and "Alt+" (in that order, for the modifiers present) followed by the key's name.

#include <cstdint>
#include <string>

using TShortCut = std::uint16_t;

inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// The text of a shortcut; empty for 0 and for a key without a name.
std::string ShortCutToText(TShortCut shortCut);
// The code of a shortcut text (modifiers and key names without regard to case); 0 when the text
// names no key.
TShortCut TextToShortCut(const std::string& text);
