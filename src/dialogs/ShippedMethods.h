#pragma once
// The wipe methods that come with the program. They are shown read-only: a change would be
// lost on the user's copy of the program that has them afresh, and the user who wants another
// method copies one and edits the copy.

#include <string>

class TWipeMethod;
class TCustomWipeMethodsManager;

// True for a method whose file is one of the shipped method files in the Methods folder in use.
bool IsShippedMethod(const TWipeMethod& method);
// The file name (no folder) the copy of a method gets in the Methods folder: the method's own
// name part followed by "-copy", then "-copy-2", "-copy-3", ... for the first that is free (no
// file there, and no method of the catalogue recorded under it).
std::string CopyFileName(const TWipeMethod& method, const TCustomWipeMethodsManager& catalogue);
