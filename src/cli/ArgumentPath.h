#pragma once
// Paths given on the command line, made into what the engines take: nothing relative or empty
// ever reaches them.

#include <string>

// The path made absolute (a relative one is taken from the current folder), without final
// separators (the root stays the root). Empty when the path is empty or the current folder
// cannot be named.
std::string AbsoluteArgument(const std::string& argument);
// True when the path's last name is "." or "..": such a path names a folder by where it lies,
// not by its name.
bool EndsInDotName(const std::string& path);
