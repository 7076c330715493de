#pragma once
// The start-up manager of the Misc section: one list, empty from the start. Whether the program
// starts with the user's session is the engine's LoadAtStartup option.

#include <string>
#include <vector>

class TStartupManager {
 public:
  std::vector<std::string> Items;
};
