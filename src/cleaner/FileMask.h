#pragma once
// File-name masks of the exclusion lists: the masks of folder listings, with sets ("[abc]",
// "[a-z]", "[!...]").

#include <optional>
#include <string_view>

#include "platform/Wildcard.h"

// Whether the name matches the mask; null when the mask is malformed (a set never closed).
inline std::optional<bool> MatchesFileMask(std::string_view name, std::string_view mask) {
  return platform::matchesMaskWithSets(name, mask);
}
