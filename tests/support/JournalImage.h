#pragma once
// Looking at the raw image of an ext4 file system a test mounted and has unmounted again.

#include <cstddef>
#include <string>

// How often the text occurs in the bytes of the image.
std::size_t CountInImage(const std::string& image, const std::string& text);
// True when e2fsck, reading only, finds the file system in the image whole.
bool CheckedClean(const std::string& image);
