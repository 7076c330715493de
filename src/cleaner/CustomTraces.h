#pragma once
// The work of the item "Custom Files and Folders": the files and folders the user listed on the
// Clean traces page (the engine's CustomPaths), each removed whole: a file (a link is removed as
// a link), or a folder with everything in it. A path that is not absolute, the root folder and
// the home folder (or a folder above it) are refused and named; what the keep list holds stays.

#include "cleaner/TEraseFiles.h"

void CollectCustomPaths(TEraseFiles& item);
