#pragma once
// File-name masks of the exclusion lists: "*" stands for any run of characters, "?" for one
// character, "[abc]" or "[a-z]" for one character of the set and "[!...]" for one outside it;
// letters compare without regard to case (ASCII). "*.*" and a final ".*" also match names without
// a full stop, as in folder listings.

#include <optional>
#include <string_view>

// Whether the name matches the mask; null when the mask is malformed (a set never closed).
std::optional<bool> MatchesFileMask(std::string_view name, std::string_view mask);
