#pragma once
// File-name masks as the program's users know them: "*" stands for any run of characters, "?"
// for one character, letters are compared without regard to case (ASCII), and "*.*" or a final
// ".*" also match names without a full stop.

#include <optional>
#include <string_view>

namespace platform {

// Folder-listing masks: every other character stands for itself.
bool matchesMask(std::string_view name, std::string_view mask);

// Masks that also know sets: "[abc]" or "[a-z]" for one character of the set, "[!...]" for one
// outside it. Null when the mask is malformed (a set never closed).
std::optional<bool> matchesMaskWithSets(std::string_view name, std::string_view mask);

}  // namespace platform
