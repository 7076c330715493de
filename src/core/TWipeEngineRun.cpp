// Placeholder for the run of a wipe engine; the wiping itself replaces this file.
#include "core/TWipeEngine.h"

std::string WipeFailureText(TWipeFailureReason) { return "was not wiped"; }

void TWipeEngine::Execute() {}
void TWipeEngine::WipeFile(const TWipeItem&) {}
int TWipeEngine::OverwriteFile(const TWipeItem&) { return 1; }
void TWipeEngine::WipeFolder(const TWipeItem&) {}
bool TWipeEngine::WipeDirectory(const std::string&, const std::string&, bool, bool) {
  return false;
}
void TWipeEngine::WipeDriveFreeSpace(const TWipeItem&) {}
