#pragma once
// Trees deeper than the longest path the system takes in one call, built and read one folder at
// a time (every call relative to an open folder), for the tests of walks that must reach them.

#include <string>
#include <vector>

// Below the existing folder `top`, `depth` folders each inside the one before, all named
// `folderName`; every one of them holds a file "file" with the contents "<level>".
void MakeDeepTree(const std::string& top, int depth, const std::string& folderName);
// The files (not the folders) left below `top`, as full paths, deepest last.
std::vector<std::string> FilesBelow(const std::string& top);
