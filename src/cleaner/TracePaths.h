#pragma once
// Path helpers the trace cleaners share to find what programs leave: whether a path is a folder
// or an ordinary file now, and a place below a folder that may be unknown.

#include <string>

// True when the path names a folder (a link to one counts as what it is: a link, whether the
// path ends in a separator or not).
bool IsFolder(const std::string& path);
// True when the path names an ordinary file.
bool IsFile(const std::string& path);
// The relative path below the folder; empty when the folder is unknown (empty), so that an
// unknown place never becomes a relative path.
std::string Joined(const std::string& base, const std::string& relative);
