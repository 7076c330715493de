#pragma once
// Folder-listing masks as the program's users know them: "*" stands for any run of characters,
// "?" for one character, letters are compared without regard to case (ASCII), and "*.*" or a
// final ".*" also match names without a full stop.

#include <string_view>

namespace platform {

bool matchesMask(std::string_view name, std::string_view mask);

}  // namespace platform
